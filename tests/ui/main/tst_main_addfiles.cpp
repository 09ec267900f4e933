// Adding files: the open-file dialog, what a probed file becomes, and files
// and folders dropped onto the window.

#include "MainDialogFixture.h"

#include "convert/CommandLineBuilder.h"
#include "model/MediaFolder.h"
#include "ui/skin/ImageButton.h"

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSemaphore>
#include <QUrl>
#include <algorithm>

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

    // The paths the rows show, followed by the jobs' when the two differ.
    static QStringList ListedPaths(const MainDialog& dialog) {
        QStringList rows, jobs;
        for (int row = 0; row < dialog.FileList()->GetItemCount(); ++row)
            rows << dialog.FileList()->GetItemToolTipText(row, MainDialog::kNameColumn);
        for (const JobItem& job : dialog.Jobs())
            jobs << QString::fromStdString(job.inputPath);
        return rows == jobs ? rows : rows + QStringList{"jobs:"} + jobs;
    }

  private slots:
    void initTestCase() {
        QVERIFY(MakeAudio(Media("tone.mp3")));
        QVERIFY(MakeAudio(Media("a.b.c.mp3")));
        QVERIFY(QFile::copy(Media("tone.mp3"), Media("no_dot")));
        QVERIFY(MakeVideo(Media("clip.mp4")));
        QVERIFY(MakeVideoWithoutDuration(Media("camera.mjpeg")));
        QVERIFY(WriteText(Media("notes.mp3"), "this is no sound\n"));
    }

    void init() { desktop_ = FakeDesktop(); }

    void eachKindOfFileBecomesACheckedRowAfterTheOthers() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        // The dialog offers all files last; cancelled it
        // adds nothing and says nothing, failed it says so.
        dialog.Button(MainDialog::kAddId)->click();
        QCOMPARE(desktop_.openFileRequests.at(0).back().patterns, std::vector<std::string>{"*.*"});
        // Every file a folder drop takes can be picked here as well.
        const std::vector<std::string>& allMedia = desktop_.openFileRequests.at(0).front().patterns;
        for (const std::string& extension : MoreMediaExtensions())
            QVERIFY(std::ranges::count(allMedia, "*" + extension) == 1);
        desktop_.openFilesAnswer.outcome = DialogOutcome::Failed;
        dialog.OnAdd();
        QVERIFY(dialog.Jobs().Empty() && dialog.FileList()->GetItemCount() == 0);
        QVERIFY(desktop_.messages.size() == 1 &&
                desktop_.messages[0].text.starts_with("Fail to add files."));

        // File, then duration, format, output name and whether there is video.
        const QStringList rows[] = {{"tone.mp3", "00:00:01", "mp3", "tone", "0"},
                                    {"clip.mp4", "00:00:01", "mp4", "clip", "1"},
                                    {"camera.mjpeg", "--:--:--", "mp3", "camera", "1"},
                                    {"notes.mp3", "--:--:--", "mp3", "notes", "0"},
                                    {"a.b.c.mp3", "00:00:01", "mp3", "a.b.c", "0"},
                                    {"no_dot", "00:00:01", "mp3", "no_dot", "0"},
                                    {"gone/away.wav", "--:--:--", "mp3", "away", "0"}};
        QStringList paths;
        for (const QStringList& row : rows)
            paths << Media(row[0]);
        Choose(paths);
        dialog.OnAdd();
        QVERIFY(WaitUntilAdded(dialog));
        QCOMPARE(ListedPaths(dialog), paths);
        CXListCtrl* list = dialog.FileList();
        QCOMPARE(list->GetFirstSelectedItem(), 6);
        for (int i = 0; i < int(std::size(rows)); ++i) {
            QCOMPARE((QStringList{QString::number(list->GetCheckbox(i, 0)), list->GetItemText(i, 1),
                                  list->GetItemText(i, 2), list->GetComboText(i, 3),
                                  list->GetItemText(i, 4),
                                  QString::number(dialog.Jobs()[std::size_t(i)].hasVideo)}),
                     QStringList({"1", QFileInfo(rows[i][0]).fileName()}) + rows[i].mid(1));
            QVERIFY(list->IsComboCell(i, 3) && list->IsEditCell(i, 4));
        }
        // One selection has no limit, and the same file twice gives two rows.
        Choose(QStringList(60, Media("notes.mp3")));
        dialog.OnAdd();
        QVERIFY(WaitUntilAdded(dialog));
        QCOMPARE(list->GetItemCount(), 67);
        QCOMPARE(desktop_.messages.size(), std::size_t(1)); // the failure's alone
    }

    // Files and folders dropped onto the list or the window's surface are
    // added in order; nothing else is taken, nor anything while another
    // dialog is open.
    void droppedFilesAndFoldersAreAddedInOrder() {
        QTemporaryDir folder;
        for (const char* name : {"track10.mp3", "Track2.MP3", "a.wav", ".hidden.mp3", "b clip.mp4"})
            QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath(name)));
        QVERIFY(WriteText(folder.filePath("readme.txt"), "words"));
        QVERIFY(QDir(folder.path()).mkdir("inner.mp3"));
        QVERIFY(QFile::copy(Media("tone.mp3"), folder.filePath("inner.mp3/deep.mp3")));

        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QWidget* list = dialog.FileList()->viewport();
        QVERIFY(!Drop(list, {QUrl("https://example.org/song.mp3")}));
        QVERIFY(Drop(list, {QUrl::fromLocalFile(Media("clip.mp4")),
                            QUrl::fromLocalFile(Media("tone.mp3"))}));
        QVERIFY(Drop(&dialog,
                     {QUrl::fromLocalFile(folder.path()), QUrl::fromLocalFile(Media("no_dot"))}));
        QVERIFY(WaitUntilAdded(dialog));
        const QStringList listed{Media("clip.mp4"),
                                 Media("tone.mp3"),
                                 folder.filePath("a.wav"),
                                 folder.filePath("b clip.mp4"),
                                 folder.filePath("Track2.MP3"),
                                 folder.filePath("track10.mp3"),
                                 Media("no_dot")};
        QCOMPARE(ListedPaths(dialog), listed);

        QDialog other;
        other.setModal(true);
        other.show();
        QCOMPARE(QApplication::activeModalWidget(), &other);
        QVERIFY(!Drop(list, {QUrl::fromLocalFile(Media("tone.mp3"))}));
        QCOMPARE(ListedPaths(dialog), listed);
    }

    // A folder with media only in its subfolders offers them; its rows know
    // their place, which Go keeps below the output folder when asked to.
    void aFolderOfSubfoldersIsOfferedWithItsPlaces() {
        QTemporaryDir top;
        QVERIFY(QDir(top.path()).mkpath("Artist/Album") && QDir(top.path()).mkpath("Empty/Inner"));
        QVERIFY(QFile::copy(Media("tone.mp3"), top.filePath("Artist/intro.mp3")));
        QVERIFY(QFile::copy(Media("tone.mp3"), top.filePath("Artist/Album/track2.mp3")));
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        desktop_.messageAnswers = {MessageResult::No};
        dialog.AddDroppedPaths({Std(top.path()), Std(top.filePath("Empty"))});
        QCOMPARE(desktop_.messages.size(), std::size_t(1)); // nothing to offer in Empty
        QVERIFY(desktop_.messages[0].text.ends_with("Add the 2 files in its subfolders?"));
        QCOMPARE(desktop_.messages[0].buttons, MessageButtons::YesNo);
        QVERIFY(!dialog.IsAdding() && dialog.Jobs().Empty());

        dialog.AddDroppedPaths({Std(top.path())});
        QVERIFY(WaitUntilAdded(dialog));
        QCOMPARE(dialog.Jobs().Count(), std::size_t(2));
        QCOMPARE(dialog.Jobs()[1].treeFolder, std::string("Artist/Album"));
        QCOMPARE(dialog.FileList()->GetItemToolTipText(1, MainDialog::kNameColumn),
                 top.filePath("Artist/Album/track2.mp3") + "\nFolder in the tree: Artist/Album");
        dialog.Settings().Batch().keepFolderStructure = true;
        dialog.DirectoryBox()->setText("/nowhere/out");
        dialog.OnGo();
        QCOMPARE(OutputPath(dialog.Jobs()[1]), std::string("/nowhere/out/Artist/Album/track2.mp3"));
        QCOMPARE(OutputPath(dialog.Jobs()[0]), std::string("/nowhere/out/Artist/intro.mp3"));
    }

    // Each probe waits for the test's go-ahead: the window answers meanwhile,
    // shows the count, and rows come in as their files are probed. Clearing
    // the list drops the files not yet probed.
    void aSlowProbeNeverHoldsTheWindow() {
        QSemaphore goAhead;
        MainDialogSetup setup = SetupIn(program_);
        setup.probe = [&goAhead](const std::string&, JobItem& job) {
            goAhead.acquire();
            job.duration = 61;
            return true;
        };
        RecordingMainDialog dialog(desktop_, setup);
        dialog.AddFiles({"/m/a.wav", "/m/b.wav", "/m/c.wav"});
        const auto* count = dialog.findChild<QLabel*>("addingCount");
        QCOMPARE(count->text(), QString("Adding files: 0 of 3"));
        dialog.Button(MainDialog::kConfigId)->click();
        QCOMPARE(dialog.configRequests.size(), std::size_t(1));

        goAhead.release();
        QTRY_COMPARE(dialog.FileList()->GetItemCount(), 1);
        QCOMPARE(dialog.FileList()->GetItemText(0, MainDialog::kDurationColumn), "00:01:01");
        QCOMPARE(count->text(), QString("Adding files: 1 of 3"));
        dialog.AddFiles({"/m/d.wav"});
        QCOMPARE(count->text(), QString("Adding files: 1 of 4"));

        dialog.ClearList();
        QVERIFY(!dialog.IsAdding() && count->isHidden());
        goAhead.release(2); // b's probe ends, stale; e's may go
        dialog.AddFiles({"/m/e.wav"});
        QVERIFY(WaitUntilAdded(dialog));
        QCOMPARE(ListedPaths(dialog), QStringList{"/m/e.wav"});
    }
};

QTEST_MAIN(AddFilesTest)
#include "tst_main_addfiles.moc"
