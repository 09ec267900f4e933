// Adding files: the open-file dialog, what a probed file becomes, and files
// and folders dropped onto the window.

#include "MainDialogFixture.h"

#include "ui/main/DroppedPaths.h"
#include "ui/main/MediaFileFilters.h"
#include "ui/skin/ImageButton.h"

#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace velmont;

class AddFilesTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir program_;
    QTemporaryDir media_;
    FakeDesktop desktop_;

    QString Media(const QString& name) const { return media_.filePath(name); }

    void Choose(const std::vector<QString>& paths) {
        desktop_.openFilesAnswer.outcome = DialogOutcome::Chosen;
        desktop_.openFilesAnswer.paths.clear();
        for (const QString& path : paths)
            desktop_.openFilesAnswer.paths.push_back(Std(path));
    }

    static void Drop(QWidget* target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPointF inside(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(inside.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
    }

    static QStringList ListedPaths(const MainDialog& dialog) {
        QStringList paths;
        for (int row = 0; row < dialog.FileList()->GetItemCount(); ++row)
            paths << dialog.FileList()->GetItemToolTipText(row, MainDialog::kNameColumn);
        return paths;
    }

    // Row i shows job i, cell by cell.
    static void VerifyRowsShowTheirJobs(MainDialog& dialog) {
        CXListCtrl* list = dialog.FileList();
        QCOMPARE(std::size_t(list->GetItemCount()), dialog.Jobs().Count());
        for (int row = 0; row < list->GetItemCount(); ++row) {
            const JobItem& job = dialog.Jobs()[std::size_t(row)];
            QCOMPARE(Std(list->GetItemToolTipText(row, MainDialog::kNameColumn)), job.inputPath);
            QCOMPARE(Std(list->GetItemText(row, MainDialog::kOutputColumn)), job.outputName);
            QCOMPARE(list->GetComboText(row, MainDialog::kFormatColumn),
                     dialog.FormatNames().at(job.formatId));
        }
    }

  private slots:
    void initTestCase() {
        QVERIFY(program_.isValid() && media_.isValid());
        QVERIFY(MakeAudio(Media("tone.mp3")));
        QVERIFY(MakeAudio(Media("a.b.c.mp3")));
        QVERIFY(QFile::copy(Media("tone.mp3"), Media("no_dot")));
        QVERIFY(MakeVideo(Media("clip.mp4")));
        QVERIFY(MakeVideoWithoutDuration(Media("camera.mjpeg")));
        QVERIFY(WriteText(Media("notes.mp3"), "this is no sound\n"));
    }

    void init() { desktop_ = FakeDesktop(); }

    void dialogOffersTheTwentyTypesAllMediaFirst() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.Button(MainDialog::kAddId)->click();
        QCOMPARE(desktop_.openFileRequests.size(), std::size_t(1));
        const std::vector<FileFilter>& filters = desktop_.openFileRequests[0];
        QCOMPARE(filters.size(), std::size_t(20));
        const char* descriptions[] = {"All Media Files",
                                      "Video Files",
                                      "Audio Files",
                                      "RealMedia files(*.rm;*.rmvb;*.ra;*.ram;*.rv)",
                                      "3GP files(*.3g2;*.3gp)",
                                      "Avi files(*.avi)",
                                      "Ac3 files(*.ac3)",
                                      "Aiff files(*.aif;*.aifc;*.aiff)",
                                      "Amr files(*.amr)",
                                      "Au files(*.au)",
                                      "Flac files(*.flac;*.fla)",
                                      "Flash files(*.flv;*.swf)",
                                      "Mp4 files(*.m4a;*.m4v;*.mp4)",
                                      "Mpeg Audio files(*.mp2;*.mp3)",
                                      "Mpeg Video files(*.mpg;*.mpeg;*.mpa)",
                                      "Quick Time(*.mov)",
                                      "Vorbis/Ogg files(*.ogg)",
                                      "Wave files(*.wav)",
                                      "Windows Media files(*.wma;*.wmv;*.wm;*.asf;*.asx)",
                                      "All Files(*.*)"};
        for (std::size_t i = 0; i < filters.size(); ++i)
            QCOMPARE(filters[i].description, std::string(descriptions[i]));
        QCOMPARE(filters[0].patterns.size(), std::size_t(34));
        QCOMPARE(filters[3].patterns,
                 (std::vector<std::string>{"*.rm", "*.rmvb", "*.ram", "*.ra", "*.rv"}));
        QCOMPARE(filters[19].patterns, (std::vector<std::string>{"*.*"}));
    }

    void cancellingAddsNothingAndSaysNothing() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemCount(), 0);
        QVERIFY(dialog.Jobs().Empty());
        QVERIFY(desktop_.messages.empty());
    }

    void aFailingDialogIsReported() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        desktop_.openFilesAnswer.outcome = DialogOutcome::Failed;
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemCount(), 0);
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QCOMPARE(desktop_.messages[0].text,
                 std::string("Fail to add files.\nMaybe too much files selected.\nPlease select "
                             "less files and try again."));
        QCOMPARE(desktop_.messages[0].caption, std::string("Information"));
        QCOMPARE(desktop_.messages[0].icon, MessageIcon::Information);
    }

    void anAudioFileBecomesACheckedMp3Row() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("tone.mp3")});
        dialog.OnAdd();
        CXListCtrl* list = dialog.FileList();
        QCOMPARE(list->GetItemCount(), 1);
        QCOMPARE(list->GetCheckbox(0, 0), 1);
        QCOMPARE(list->GetItemText(0, 1), QString("tone.mp3"));
        QCOMPARE(list->GetItemToolTipText(0, 1), Media("tone.mp3"));
        QCOMPARE(list->GetItemText(0, 2), QString("00:00:01"));
        QVERIFY(list->IsComboCell(0, 3));
        QCOMPARE(list->GetComboText(0, 3), QString("mp3"));
        QVERIFY(list->IsEditCell(0, 4));
        QCOMPARE(list->GetItemText(0, 4), QString("tone"));
        QCOMPARE(list->GetFirstSelectedItem(), 0);

        const JobItem& job = dialog.Jobs()[0];
        QCOMPARE(job.inputPath, Std(Media("tone.mp3")));
        QCOMPARE(job.formatId, kFormatMp3);
        QCOMPARE(job.outputName, std::string("tone"));
        QCOMPARE(job.duration, 1);
        QVERIFY(job.hasAudio);
        QVERIFY(!job.hasVideo);
        QCOMPARE(job.state, kJobNotSelected);
    }

    void aVideoWithADurationBecomesMp4() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("clip.mp4")});
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetComboText(0, 3), QString("mp4"));
        QCOMPARE(dialog.Jobs()[0].formatId, kFormatMp4);
        QVERIFY(dialog.Jobs()[0].hasVideo);
    }

    void aVideoWithoutADurationStaysMp3() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("camera.mjpeg")});
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemText(0, 2), QString("--:--:--"));
        QCOMPARE(dialog.FileList()->GetComboText(0, 3), QString("mp3"));
        QVERIFY(dialog.Jobs()[0].hasVideo);
        QCOMPARE(dialog.Jobs()[0].formatId, kFormatMp3);
    }

    void aTextFileNamedMp3IsAddedWithoutDuration() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("notes.mp3")});
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemCount(), 1);
        QCOMPARE(dialog.FileList()->GetItemText(0, 2), QString("--:--:--"));
        QCOMPARE(dialog.FileList()->GetComboText(0, 3), QString("mp3"));
        const JobItem& job = dialog.Jobs()[0];
        QVERIFY(!job.hasAudio && !job.hasVideo);
        const JobItem fresh;
        QCOMPARE(job.title, fresh.title);
        QCOMPARE(job.track, fresh.track);
        QCOMPARE(job.year, fresh.year);
        QVERIFY(desktop_.messages.empty());
    }

    void outputNameDropsOnlyTheLastExtension() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("a.b.c.mp3"), Media("no_dot")});
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemText(0, 4), QString("a.b.c"));
        QCOMPARE(dialog.FileList()->GetItemText(1, 4), QString("no_dot"));
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("a.b.c"));
        QCOMPARE(dialog.Jobs()[1].outputName, std::string("no_dot"));
    }

    void aMissingFileKeepsRowAndJobInStep() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("gone/away.wav")});
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemText(0, 4), QString("away"));
        // The output name the conversion uses is the one the row shows.
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("away"));
        QCOMPARE(dialog.Jobs()[0].duration, kUnknownDuration);
    }

    void theSameFileTwiceGivesTwoIndependentRows() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("tone.mp3"), Media("tone.mp3")});
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemCount(), 2);
        QCOMPARE(dialog.Jobs().Count(), std::size_t(2));
        dialog.Jobs()[0].title = "changed";
        QVERIFY(dialog.Jobs()[1].title.empty());
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 1);
    }

    void severalAddsAppendInOrder() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("tone.mp3"), Media("clip.mp4")});
        dialog.OnAdd();
        Choose({Media("a.b.c.mp3"), Media("notes.mp3"), Media("camera.mjpeg")});
        dialog.OnAdd();
        QCOMPARE(ListedPaths(dialog),
                 (QStringList{Media("tone.mp3"), Media("clip.mp4"), Media("a.b.c.mp3"),
                              Media("notes.mp3"), Media("camera.mjpeg")}));
        VerifyRowsShowTheirJobs(dialog);
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 4);
    }

    void aLargeSelectionIsAddedWhole() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        std::vector<QString> many(60, Media("notes.mp3"));
        Choose(many);
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemCount(), 60);
        QVERIFY(desktop_.messages.empty());
    }

    void droppedFilesAreAddedInOrder() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Drop(dialog.FileList()->viewport(),
             {QUrl::fromLocalFile(Media("clip.mp4")), QUrl::fromLocalFile(Media("tone.mp3"))});
        QCOMPARE(ListedPaths(dialog), (QStringList{Media("clip.mp4"), Media("tone.mp3")}));
        VerifyRowsShowTheirJobs(dialog);
        QCOMPARE(dialog.Jobs()[0].formatId, kFormatMp4);
        QVERIFY(desktop_.openFileRequests.empty());
    }

    void aDroppedFolderAddsItsMediaFilesInNameOrder() {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath("track10.mp3")));
        QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath("Track2.MP3")));
        QVERIFY(QFile::copy(Media("clip.mp4"), folder.filePath("b clip.mp4")));
        QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath("a.wav")));
        QVERIFY(WriteText(folder.filePath("readme.txt"), "words"));
        QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath(".hidden.mp3")));
        QVERIFY(QDir(folder.path()).mkdir("inner.mp3"));
        QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath("inner.mp3/deep.mp3")));

        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        // Onto the window's surface this time: the same as onto the list.
        Drop(&dialog, {QUrl::fromLocalFile(folder.path()), QUrl::fromLocalFile(Media("no_dot"))});
        QCOMPARE(ListedPaths(dialog),
                 (QStringList{folder.filePath("a.wav"), folder.filePath("b clip.mp4"),
                              folder.filePath("Track2.MP3"), folder.filePath("track10.mp3"),
                              Media("no_dot")}));
        VerifyRowsShowTheirJobs(dialog);
    }

    void dropsWithoutLocalFilesAreRefused() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QMimeData data;
        data.setUrls({QUrl("https://example.org/song.mp3")});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.FileList()->viewport(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.FileList()->viewport(), &drop);
        QCOMPARE(dialog.FileList()->GetItemCount(), 0);
    }

    void dropsWaitWhileAnotherDialogIsOpen() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QDialog other;
        other.setModal(true);
        other.show();
        QCOMPARE(QApplication::activeModalWidget(), &other);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(Media("tone.mp3"))});
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.FileList()->viewport(), &drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(dialog.FileList()->GetItemCount(), 0);
        other.close();
    }

    void namesSortNaturally() {
        QVERIFY(NaturalNameLess("track2.mp3", "track10.mp3"));
        QVERIFY(!NaturalNameLess("track10.mp3", "track2.mp3"));
        QVERIFY(NaturalNameLess("Apple.mp3", "banana.mp3"));
        QVERIFY(NaturalNameLess("a.mp3", "ab.mp3"));
        QVERIFY(!NaturalNameLess("same", "same"));
        QVERIFY(IsMediaFileName("LOUD.WAV"));
        QVERIFY(!IsMediaFileName("notes.txt"));
        QVERIFY(!IsMediaFileName("mp3"));
    }
};

QTEST_MAIN(AddFilesTest)
#include "tst_main_addfiles.moc"
