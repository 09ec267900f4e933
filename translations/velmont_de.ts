<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AudioChoices</name>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
</context>
<context>
    <name>MediaFileFilters</name>
    <message>
        <source>Video Files</source>
        <translation>Videodateien</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>All Media Files</source>
        <translation>Alle Mediendateien</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
</context>
<context>
    <name>VideoChoices</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Pass 1</source>
        <translation>1 Lauf</translation>
    </message>
    <message>
        <source>Pass 2</source>
        <translation>2 Läufe</translation>
    </message>
</context>
<context>
    <name>velmont::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Velmont Media Converter</source>
        <translation>Über Velmont Medienkonverter</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Medienkonverter</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © Velmont Studio</source>
        <translation>Copyright © Velmont Studio</translation>
    </message>
</context>
<context>
    <name>velmont::CAudioDlg</name>
    <message>
        <source>Enable Audio</source>
        <translation>Mit Audio</translation>
    </message>
    <message>
        <source>Audio Type:</source>
        <translation>Audiotyp:</translation>
    </message>
    <message>
        <source>Channel Mode:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
</context>
<context>
    <name>velmont::CConfigDlg</name>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Advanced Video</source>
        <translation>Video erweitert</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>shut down your PC after conversion</source>
        <translation>PC nach der Umwandlung ausschalten</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Gleichzeitig:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>How many files are converted at once. Automatic: one per core, and files whose encoder already uses every core (video, two passes) one at a time.</source>
        <translation>Wie viele Dateien gleichzeitig umgewandelt werden. Automatisch: eine je Prozessorkern; Dateien, deren Encoder schon alle Kerne nutzt (Video, zwei Durchgänge), eine nach der anderen.</translation>
    </message>
    <message>
        <source>Keep the folder structure</source>
        <translation>Ordnerstruktur beibehalten</translation>
    </message>
    <message>
        <source>Files added from a folder&apos;s subfolders are written to the same subfolders below the output folder.</source>
        <translation>Dateien aus den Unterordnern eines Ordners werden in dieselben Unterordner unterhalb des Ausgabeordners geschrieben.</translation>
    </message>
</context>
<context>
    <name>velmont::CConvertDlg</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Files being converted</source>
        <translation>Dateien in Umwandlung</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Stop after the current files</source>
        <translation>Nur laufende fertigstellen</translation>
    </message>
    <message>
        <source>Let the running files finish and start no new one; Restart goes on</source>
        <translation>Laufende Dateien fertigstellen, keine neue beginnen; Neustart setzt fort</translation>
    </message>
    <message>
        <source>There is no file to convert</source>
        <translation>Keine Datei zum Umwandeln</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 Datei umgewandelt</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 Dateien umgewandelt</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 Fehler</translation>
    </message>
    <message>
        <source>Failed to shut down</source>
        <translation>Ausschalten fehlgeschlagen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please stop the conversion at first</source>
        <translation>Bitte zuerst die Umwandlung anhalten</translation>
    </message>
    <message>
        <source>Batch %1 %</source>
        <translation>Gesamt %1 %</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, noch %1</translation>
    </message>
    <message>
        <source>Conversion log</source>
        <translation>Umwandlungsprotokoll</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Done in %1 — %2 converted</source>
        <translation>Fertig in %1 — %2 umgewandelt</translation>
    </message>
    <message>
        <source>The output folder could not be opened (is a file manager installed?):
</source>
        <translation>Der Ausgabeordner konnte nicht geöffnet werden (ist ein Dateimanager installiert?):
</translation>
    </message>
</context>
<context>
    <name>velmont::COthersDlg</name>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Rechts:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Unten:</translation>
    </message>
</context>
<context>
    <name>velmont::CTagDlg</name>
    <message>
        <source>ID3 Tag - </source>
        <translation>ID3-Tag - </translation>
    </message>
    <message>
        <source>Artist(Author):</source>
        <translation>Künstler:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Track:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmont::CVideoDlg</name>
    <message>
        <source>Video Type:</source>
        <translation>Videotyp:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverh.:</translation>
    </message>
    <message>
        <source>Quantizer Scale:</source>
        <translation>Q-Skala:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Läufe:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
</context>
<context>
    <name>velmont::JobRowView</name>
    <message>
        <source>Please wait for the conversion</source>
        <translation>Bitte auf die Umwandlung warten</translation>
    </message>
    <message>
        <source>Suspended!</source>
        <translation>Angehalten!</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>Gestoppt!</translation>
    </message>
    <message>
        <source>Written as: %1</source>
        <translation>Geschrieben als: %1</translation>
    </message>
</context>
<context>
    <name>velmont::MainDialog</name>
    <message>
        <source>Add files to list</source>
        <translation>Dateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>Gewählte Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Start to convert the files selected in the list</source>
        <translation>Die in der Liste gewählten Dateien umwandeln</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Move up the selected file</source>
        <translation>Gewählte Datei nach oben</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down the selected file</source>
        <translation>Gewählte Datei nach unten</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Play the selected file</source>
        <translation>Gewählte Datei abspielen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Edit the ID3 Tag of the selected file</source>
        <translation>ID3-Tag der gewählten Datei bearbeiten</translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation>Tag bearbeiten</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Medienkonverter</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Umzuwandelnde Dateien</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Please &lt;+Add&gt; files to convert</source>
        <translation>Bitte mit &lt;+Add&gt; Dateien hinzufügen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Ausgabedateiname</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Fehlgeschlagen!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The output folder could not be kept for the next start.
</source>
        <translation>Der Ausgabeordner konnte nicht für den nächsten Start gespeichert werden.
</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>About Velmont Media Converter...</source>
        <translation>Über Velmont Medienkonverter...</translation>
    </message>
    <message>
        <source>No File is selected !</source>
        <translation>Keine Datei gewählt!</translation>
    </message>
    <message>
        <source>Can not play the file but it does not influence the conversion</source>
        <translation>Die Datei kann nicht abgespielt werden; die Umwandlung betrifft das nicht</translation>
    </message>
    <message>
        <source>Please set the check status if you want to convert the file !</source>
        <translation>Bitte die Dateien zum Umwandeln ankreuzen!</translation>
    </message>
    <message>
        <source>Please select output directory !</source>
        <translation>Bitte einen Ausgabeordner wählen!</translation>
    </message>
    <message>
        <source>These files are already in the output folder:
</source>
        <translation>Diese Dateien sind schon im Ausgabeordner:
</translation>
    </message>
    <message>
        <source>  and %1 more
</source>
        <translation>  und %1 weitere
</translation>
    </message>
    <message>
        <source>
Overwrite them, keep both (the new files get free names) or skip those files?</source>
        <translation>
Überschreiben, beide behalten (die neuen Dateien bekommen freie Namen) oder diese Dateien überspringen?</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no media files itself.
Add the %2 files in its subfolders?</source>
        <translation>Der Ordner „%1“ enthält selbst keine Mediendateien.
Die %2 Dateien in seinen Unterordnern hinzufügen?</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Dateien werden hinzugefügt: %1 von %2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Output to</source>
        <translation>Ausgabe in</translation>
    </message>
    <message>
        <source>The settings could not be kept for the next start.
</source>
        <translation>Die Einstellungen konnten nicht für den nächsten Start gespeichert werden.
</translation>
    </message>
    <message>
        <source>Every checked file&apos;s output is already in the output folder, so all were skipped.
Press Convert again to choose Overwrite or Keep both instead.</source>
        <translation>Die Ausgabe jeder markierten Datei liegt schon im Ausgabeordner, daher wurden alle übersprungen.
Klicken Sie erneut auf Umwandeln, um stattdessen Überschreiben oder Beide behalten zu wählen.</translation>
    </message>
    <message>
        <source>The help could not be opened: is a web browser installed?
The help is the file help.html beside the program.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden: Ist ein Webbrowser installiert?
Die Hilfe ist die Datei help.html neben dem Programm.</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Liste leeren</translation>
    </message>
</context>
</TS>
