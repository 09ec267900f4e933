// Adding files: the open-file dialog, what a probed file becomes, and files
// and folders dropped onto the window.

#include "MainDialogFixture.h"

#include "ui/skin/ImageButton.h"

#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
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

    void Choose(const QStringList& paths) {
        desktop_.openFilesAnswer.outcome = DialogOutcome::Chosen;
        desktop_.openFilesAnswer.paths.clear();
        for (const QString& path : paths)
            desktop_.openFilesAnswer.paths.push_back(Std(path));
    }

    // Sends a drag entering and a drop; true when both were taken.
    static bool Drop(QWidget* target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPointF inside(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(inside.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    // The listed paths, after checking that row i shows job i cell by cell.
    static QStringList ListedPaths(MainDialog& dialog) {
        CXListCtrl* list = dialog.FileList();
        QStringList paths;
        if (std::size_t(list->GetItemCount()) != dialog.Jobs().Count())
            return {"rows and jobs differ"};
        for (int row = 0; row < list->GetItemCount(); ++row) {
            const JobItem& job = dialog.Jobs()[std::size_t(row)];
            const QString path = list->GetItemToolTipText(row, MainDialog::kNameColumn);
            if (Std(path) != job.inputPath ||
                Std(list->GetItemText(row, MainDialog::kOutputColumn)) != job.outputName ||
                list->GetComboText(row, MainDialog::kFormatColumn) !=
                    dialog.FormatNames().at(job.formatId))
                return {"row " + QString::number(row) + " does not show its job"};
            paths << path;
        }
        return paths;
    }

    // Adds one file through the open-file dialog and checks its row and job.
    void VerifyAddedRow(const QString& file, const QString& duration, const QString& format,
                        const QString& output, bool hasVideo) {
        desktop_ = FakeDesktop();
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media(file)});
        dialog.OnAdd();
        CXListCtrl* list = dialog.FileList();
        QCOMPARE(list->GetItemCount(), 1);
        QCOMPARE(list->GetCheckbox(0, 0), 1);
        QCOMPARE(list->GetItemText(0, 1), QFileInfo(file).fileName());
        QCOMPARE(list->GetItemText(0, 2), duration);
        QVERIFY(list->IsComboCell(0, 3) && list->IsEditCell(0, 4));
        QCOMPARE(list->GetFirstSelectedItem(), 0);
        QCOMPARE(ListedPaths(dialog), QStringList{Media(file)});
        QCOMPARE(list->GetComboText(0, 3), format);
        QCOMPARE(list->GetItemText(0, 4), output);

        const JobItem& job = dialog.Jobs()[0];
        QCOMPARE(job.hasVideo, hasVideo);
        QCOMPARE(job.duration, duration == "--:--:--" ? kUnknownDuration : 1);
        QCOMPARE(job.state, JobState::NotSelected);
        QVERIFY(job.title.empty() && job.track == JobItem().track);
        QVERIFY(desktop_.messages.empty());
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

    void dialogOffersItsTypesAllMediaFirst() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.Button(MainDialog::kAddId)->click();
        QCOMPARE(desktop_.openFileRequests.size(), std::size_t(1));
        const std::vector<FileFilter>& filters = desktop_.openFileRequests[0];
        QCOMPARE(filters.size(), std::size_t(22));
        QCOMPARE(filters[0].description, std::string("All Media Files"));
        QCOMPARE(filters[0].patterns.size(), std::size_t(37));
        QCOMPARE(filters[0].patterns.back(), std::string("*.mkv"));
        QCOMPARE(filters[3].description,
                 std::string("RealMedia files(*.rm;*.rmvb;*.ra;*.ram;*.rv)"));
        QCOMPARE(filters[3].patterns,
                 (std::vector<std::string>{"*.rm", "*.rmvb", "*.ram", "*.ra", "*.rv"}));
        QCOMPARE(filters[12].patterns, (std::vector<std::string>{"*.mkv", "*.webm"}));
        QCOMPARE(filters[21].description, std::string("All Files(*.*)"));
        QCOMPARE(filters[21].patterns, (std::vector<std::string>{"*.*"}));
        // Cancelled: nothing added, nothing said.
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

    void eachKindOfFileBecomesACheckedRow() {
        struct Row {
            const char* file;
            const char* duration;
            const char* format;
            const char* output;
            bool hasVideo;
        };
        // clang-format off
        const Row rows[] = {{"tone.mp3", "00:00:01", "mp3", "tone", false},
                            {"clip.mp4", "00:00:01", "mp4", "clip", true},
                            {"camera.mjpeg", "--:--:--", "mp3", "camera", true},
                            {"notes.mp3", "--:--:--", "mp3", "notes", false},
                            {"a.b.c.mp3", "00:00:01", "mp3", "a.b.c", false},
                            {"no_dot", "00:00:01", "mp3", "no_dot", false},
                            {"gone/away.wav", "--:--:--", "mp3", "away", false}};
        // clang-format on
        for (const Row& row : rows) {
            VerifyAddedRow(row.file, row.duration, row.format, row.output, row.hasVideo);
            QVERIFY2(!QTest::currentTestFailed(), row.file);
        }
    }

    void severalAddsAppendInOrderAndTheSameFileTwiceGivesTwoRows() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        Choose({Media("tone.mp3"), Media("tone.mp3")});
        dialog.OnAdd();
        dialog.Jobs()[0].title = "changed";
        QVERIFY(dialog.Jobs()[1].title.empty());
        Choose({Media("a.b.c.mp3"), Media("notes.mp3"), Media("camera.mjpeg")});
        dialog.OnAdd();
        QCOMPARE(ListedPaths(dialog),
                 (QStringList{Media("tone.mp3"), Media("tone.mp3"), Media("a.b.c.mp3"),
                              Media("notes.mp3"), Media("camera.mjpeg")}));
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 4);
        // No limit on how many one selection holds.
        Choose(QStringList(60, Media("notes.mp3")));
        dialog.OnAdd();
        QCOMPARE(dialog.FileList()->GetItemCount(), 65);
        QVERIFY(desktop_.messages.empty());
    }

    void droppedFilesAndFoldersAreAddedInOrder() {
        QTemporaryDir folder;
        for (const char* name : {"track10.mp3", "Track2.MP3", "a.wav", ".hidden.mp3"})
            QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath(name)));
        QVERIFY(QFile::copy(Media("clip.mp4"), folder.filePath("b clip.mp4")));
        QVERIFY(WriteText(folder.filePath("readme.txt"), "words"));
        QVERIFY(QDir(folder.path()).mkdir("inner.mp3"));
        QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath("inner.mp3/deep.mp3")));

        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(Drop(dialog.FileList()->viewport(), {QUrl::fromLocalFile(Media("clip.mp4")),
                                                     QUrl::fromLocalFile(Media("tone.mp3"))}));
        QCOMPARE(dialog.Jobs()[0].formatId, kFormatMp4);
        // Onto the window's surface this time: the same as onto the list.
        QVERIFY(Drop(&dialog,
                     {QUrl::fromLocalFile(folder.path()), QUrl::fromLocalFile(Media("no_dot"))}));
        QCOMPARE(ListedPaths(dialog),
                 (QStringList{Media("clip.mp4"), Media("tone.mp3"), folder.filePath("a.wav"),
                              folder.filePath("b clip.mp4"), folder.filePath("Track2.MP3"),
                              folder.filePath("track10.mp3"), Media("no_dot")}));
        QVERIFY(desktop_.openFileRequests.empty());
    }

    void dropsWithoutLocalFilesOrUnderAnotherDialogAreRefused() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(!Drop(dialog.FileList()->viewport(), {QUrl("https://example.org/song.mp3")}));
        QDialog other;
        other.setModal(true);
        other.show();
        QCOMPARE(QApplication::activeModalWidget(), &other);
        QVERIFY(!Drop(dialog.FileList()->viewport(), {QUrl::fromLocalFile(Media("tone.mp3"))}));
        QCOMPARE(dialog.FileList()->GetItemCount(), 0);
        other.close();
    }
};

QTEST_MAIN(AddFilesTest)
#include "tst_main_addfiles.moc"
