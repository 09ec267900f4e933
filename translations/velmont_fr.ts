<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AudioChoices</name>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
</context>
<context>
    <name>MediaFileFilters</name>
    <message>
        <source>Video Files</source>
        <translation>Fichiers vidéo</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Fichiers audio</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers(*.*)</translation>
    </message>
    <message>
        <source>All Media Files</source>
        <translation>Tous les fichiers multimédias</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
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
        <translation>1 passe</translation>
    </message>
    <message>
        <source>Pass 2</source>
        <translation>2 passes</translation>
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
        <translation>À propos de Velmont Convertisseur multimédia</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Convertisseur multimédia</translation>
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
        <translation>Avec audio</translation>
    </message>
    <message>
        <source>Audio Type:</source>
        <translation>Type audio :</translation>
    </message>
    <message>
        <source>Channel Mode:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
    </message>
</context>
<context>
    <name>velmont::CConfigDlg</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Advanced Video</source>
        <translation>Vidéo avancée</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>shut down your PC after conversion</source>
        <translation>éteindre le PC après la conversion</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>En parallèle :</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pages de réglages</translation>
    </message>
    <message>
        <source>How many files are converted at once. Automatic: one per core, and files whose encoder already uses every core (video, two passes) one at a time.</source>
        <translation>Nombre de fichiers convertis en même temps. Automatique : un par cœur, et un à la fois pour les fichiers dont l’encodeur utilise déjà tous les cœurs (vidéo, deux passes).</translation>
    </message>
    <message>
        <source>Keep the folder structure</source>
        <translation>Conserver l’arborescence</translation>
    </message>
    <message>
        <source>Files added from a folder&apos;s subfolders are written to the same subfolders below the output folder.</source>
        <translation>Les fichiers ajoutés depuis les sous-dossiers d’un dossier sont écrits dans les mêmes sous-dossiers du dossier de sortie.</translation>
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
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Files being converted</source>
        <translation>Fichiers en conversion</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Stop after the current files</source>
        <translation>Finir les fichiers en cours</translation>
    </message>
    <message>
        <source>Let the running files finish and start no new one; Restart goes on</source>
        <translation>Finir les fichiers en cours sans en commencer d&apos;autre ; Relancer continue</translation>
    </message>
    <message>
        <source>There is no file to convert</source>
        <translation>Aucun fichier à convertir</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fichier converti</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 fichiers convertis</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 en échec</translation>
    </message>
    <message>
        <source>Failed to shut down</source>
        <translation>Échec de l&apos;arrêt</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please stop the conversion at first</source>
        <translation>Arrêtez d&apos;abord la conversion</translation>
    </message>
    <message>
        <source>Batch %1 %</source>
        <translation>Lot %1 %</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, reste %1</translation>
    </message>
    <message>
        <source>Conversion log</source>
        <translation>Journal de conversion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Done in %1 — %2 converted</source>
        <translation>Terminé en %1 — %2 convertis</translation>
    </message>
    <message>
        <source>The output folder could not be opened (is a file manager installed?):
</source>
        <translation>Impossible d’ouvrir le dossier de sortie (un gestionnaire de fichiers est-il installé ?) :
</translation>
    </message>
</context>
<context>
    <name>velmont::COthersDlg</name>
    <message>
        <source>Crop</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Haut :</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Droite :</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Gauche :</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Bas :</translation>
    </message>
</context>
<context>
    <name>velmont::CTagDlg</name>
    <message>
        <source>ID3 Tag - </source>
        <translation>Tag ID3 - </translation>
    </message>
    <message>
        <source>Artist(Author):</source>
        <translation>Artiste :</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album :</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Piste :</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmont::CVideoDlg</name>
    <message>
        <source>Video Type:</source>
        <translation>Type vidéo :</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>Images/s :</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proportions :</translation>
    </message>
    <message>
        <source>Quantizer Scale:</source>
        <translation>Quantif. :</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>Passes :</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min :</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max :</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Débit vidéo</translation>
    </message>
</context>
<context>
    <name>velmont::JobRowView</name>
    <message>
        <source>Please wait for the conversion</source>
        <translation>Veuillez attendre la conversion</translation>
    </message>
    <message>
        <source>Suspended!</source>
        <translation>Suspendu !</translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation>Arrêté !</translation>
    </message>
    <message>
        <source>Written as: %1</source>
        <translation>Écrit sous : %1</translation>
    </message>
</context>
<context>
    <name>velmont::MainDialog</name>
    <message>
        <source>Add files to list</source>
        <translation>Ajouter des fichiers à la liste</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Remove selected files from list</source>
        <translation>Retirer les fichiers choisis de la liste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Start to convert the files selected in the list</source>
        <translation>Convertir les fichiers cochés de la liste</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Move up the selected file</source>
        <translation>Monter le fichier choisi</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down the selected file</source>
        <translation>Descendre le fichier choisi</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Play the selected file</source>
        <translation>Lire le fichier choisi</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Edit the ID3 Tag of the selected file</source>
        <translation>Modifier le tag ID3 du fichier choisi</translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation>Modifier le tag</translation>
    </message>
    <message>
        <source>Select output directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Velmont Media Converter</source>
        <translation>Velmont Convertisseur multimédia</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Please &lt;+Add&gt; files to convert</source>
        <translation>Ajoutez des fichiers avec &lt;+Add&gt;</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Nom de sortie</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Échec !</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>The output folder could not be kept for the next start.
</source>
        <translation>Le dossier de sortie n&apos;a pas pu être gardé pour le prochain démarrage.
</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>About Velmont Media Converter...</source>
        <translation>À propos de Velmont Convertisseur...</translation>
    </message>
    <message>
        <source>No File is selected !</source>
        <translation>Aucun fichier n&apos;est sélectionné !</translation>
    </message>
    <message>
        <source>Can not play the file but it does not influence the conversion</source>
        <translation>Impossible de lire le fichier, mais cela n&apos;empêche pas la conversion</translation>
    </message>
    <message>
        <source>Please set the check status if you want to convert the file !</source>
        <translation>Cochez les fichiers à convertir !</translation>
    </message>
    <message>
        <source>Please select output directory !</source>
        <translation>Choisissez un dossier de sortie !</translation>
    </message>
    <message>
        <source>These files are already in the output folder:
</source>
        <translation>Ces fichiers sont déjà dans le dossier de sortie :
</translation>
    </message>
    <message>
        <source>  and %1 more
</source>
        <translation>  et %1 de plus
</translation>
    </message>
    <message>
        <source>
Overwrite them, keep both (the new files get free names) or skip those files?</source>
        <translation>
Les écraser, garder les deux (les nouveaux fichiers prennent un nom libre) ou ignorer ces fichiers ?</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no media files itself.
Add the %2 files in its subfolders?</source>
        <translation>Le dossier « %1 » ne contient lui-même aucun fichier multimédia.
Ajouter les %2 fichiers de ses sous-dossiers ?</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Ajout des fichiers : %1 sur %2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Output to</source>
        <translation>Sortie vers</translation>
    </message>
    <message>
        <source>The settings could not be kept for the next start.
</source>
        <translation>Les réglages n’ont pas pu être conservés pour le prochain démarrage.
</translation>
    </message>
    <message>
        <source>Every checked file&apos;s output is already in the output folder, so all were skipped.
Press Convert again to choose Overwrite or Keep both instead.</source>
        <translation>La sortie de chaque fichier coché est déjà dans le dossier de sortie : tous ont été ignorés.
Cliquez à nouveau sur Convertir pour choisir Écraser ou Garder les deux.</translation>
    </message>
    <message>
        <source>The help could not be opened: is a web browser installed?
The help is the file help.html beside the program.</source>
        <translation>Impossible d’ouvrir l’aide : un navigateur web est-il installé ?
L’aide est le fichier help.html à côté du programme.</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Vider la liste</translation>
    </message>
</context>
</TS>
