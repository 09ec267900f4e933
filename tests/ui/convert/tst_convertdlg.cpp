#include "FakeDesktop.h"
#include "PrivateDesktopBus.h"
#include "UiTestSupport.h"
#include "convert/BatchSession.h"
#include "convert/ConversionEngine.h"
#include "convert/ProbeMediaFile.h"
#include "model/EncodingParams.h"
#include "model/JobItem.h"
#include "model/RunFlags.h"
#include "ui/convert/CConvertDlg.h"
#include "ui/convert/JobRowView.h"
#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/LogEdit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <utility>

using namespace velmont;

namespace {

constexpr int kLongWait = 60000;
const QString kRendix = QStringLiteral(VELMONT_BIN_DIR "/Rendix");

// How many encoders run with this source on their command line. Only
// reads /proc: opening the FIFO would hand the waiting encoder an input.
int EncodersRunningOn(const std::string& source) {
    int count = 0;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        entry.toInt(&isProcess);
        if (!isProcess)
            continue;
        QFile commandLine("/proc/" + entry + "/cmdline");
        if (!commandLine.open(QIODevice::ReadOnly))
            continue;
        const QByteArray arguments = commandLine.readAll();
        if (arguments.contains("Rendix") && arguments.contains(QByteArray::fromStdString(source)))
            ++count;
    }
    return count;
}

// One conversion as the main window's Go prepares it: generated sources, a
// job list, an engine whose folder holds the encoder, and the dialog.
struct Conversion {
    QTemporaryDir work;
    std::string programDir;
    std::string outputDir;
    JobList jobs;
    std::unique_ptr<ConversionEngine> engine;
    FakeDesktop desktop;
    EncodingSettings settings;
    BatchSession session{jobs, settings};
    std::unique_ptr<CConvertDlg> dialog = std::make_unique<CConvertDlg>();

    Conversion() {
        const QString root = work.path();
        QDir().mkpath(root + "/program");
        programDir = (root + "/program/").toStdString();
        outputDir = (root + "/output").toStdString();
        // A copy, not a link: Cancel sweeps stray encoders by executable
        // file, and a link would reach encoders of tests running alongside.
        QFile::copy(kRendix, root + "/program/Rendix");
        engine = std::make_unique<ConversionEngine>(programDir);
        dialog->SetDesktop(&desktop);
    }

    std::string Source(const std::string& name) const {
        return (work.path() + "/" + QString::fromStdString(name)).toStdString();
    }
    std::string Output(const std::string& name) const { return outputDir + "/" + name + ".mp3"; }

    static JobItem Unprobed() {
        JobItem job;
        job.hasAudio = true;
        job.duration = 1;
        return job;
    }
    // A one-second tone.
    bool AddTone(const std::string& name) {
        const std::string path = Source(name + ".wav");
        JobItem job;
        return MakeAudio(QString::fromStdString(path)) && ProbeMediaFile(path, job) &&
               AddJob(job, path, name);
    }
    // A source the encoder cannot read.
    bool AddBroken(const std::string& name) {
        const std::string path = Source(name + ".wav");
        return WriteText(QString::fromStdString(path), "this is no sound at all\n") &&
               AddJob(Unprobed(), path, name);
    }
    // A source the encoder is still working on when it is stopped: ten hours of silence.
    bool AddEndless(const std::string& name) {
        const std::string path = Source(name + ".wav");
        return MakeMedia({"-f", "lavfi", "-i", "anullsrc=r=1000:cl=mono", "-t", "36000", "-c:a",
                          "flac", "-f", "flac", QString::fromStdString(path)}) &&
               AddJob(Unprobed(), path, name);
    }
    bool AddJob(JobItem job, const std::string& path, const std::string& name) {
        job.inputPath = path;
        job.outputName = name;
        job.formatId = kFormatMp3;
        job.state = JobState::Waiting;
        jobs.Append(job);
        return true;
    }

    // One job at a time unless told, as the buttons' table describes.
    void Start(int simultaneous = 1) {
        session.Prepare({outputDir, simultaneous, {}, {}});
        for (JobItem& job : jobs) {
            if (job.state == JobState::Waiting)
                dialog->paths.push_back(job.inputPath);
        }
        dialog->outputFolder = outputDir;
        dialog->SetJobList(&jobs);
        dialog->SetEngine(engine.get());
        dialog->SetSession(&session);
        dialog->show();
    }

    CXListCtrl& List() const { return *dialog->List(); }
    bool RowInView(int row) const {
        const QRect cell = List().visualRect(List().model()->index(row, 0));
        return List().viewport()->rect().contains(cell);
    }
    std::string LogText() const { return dialog->Log()->Text(); }
    // The encoder of the running job has written something of its own.
    bool EncoderSpoke() const {
        const std::string log = LogText();
        return !log.empty() && log.find("Please wait for the conversion") == std::string::npos;
    }
    // Every message so far asked the user to stop first.
    bool AskedToStopFirst(std::size_t times) const {
        return desktop.messages.size() == times &&
               std::all_of(desktop.messages.begin(), desktop.messages.end(), [](const auto& m) {
                   return m.text == "Please stop the conversion at first" &&
                          m.caption == "Information" && m.icon == MessageIcon::Information;
               });
    }
};

bool HasContent(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.size() > 0;
}

// Enabled state and text of a button in one string, e.g. "E Pause".
QString State(const QPushButton* button) {
    return (button->isEnabled() ? "E " : "D ") + button->text();
}

// Pause, Stop and Open Folder in one string, e.g. "E Pause, E Stop, D Open Folder".
QString Buttons(const CConvertDlg& dialog) {
    return State(dialog.PauseButton()) + ", " + State(dialog.StopButton()) + ", " +
           State(dialog.OpenFolderButton());
}

} // namespace

class ConvertDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The worker asks this bus's fake logind to keep the machine awake.
        QVERIFY(bus_.Start());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus_.Address().toUtf8());
    }
    void init() {
        // All but the first case run the real encoder.
        const QByteArray name = QTest::currentTestFunction();
        if (!QFileInfo::exists(kRendix) && !name.startsWith("dialogShows"))
            QSKIP("Rendix has not been built");
    }

    void dialogShowsOneRowPerPathWithItsControlsInPlace() {
        FakeDesktop desktop;
        CConvertDlg dialog;
        dialog.SetDesktop(&desktop);
        dialog.paths = {"/music/one.wav", "/films/two parts.mp4"};
        dialog.show();

        QCOMPARE(dialog.windowTitle(), QString("Convert"));
        QCOMPARE(dialog.size(), QSize(545, 450));
        const std::pair<QWidget*, QRect> places[] = {
            {dialog.List(), {15, 15, 508, 190}},
            {dialog.Log(), {15, 220, 508, 135}},
            {dialog.PauseButton(), {15, 370, 88, 26}},
            {dialog.StopButton(), {118, 370, 88, 26}},
            {dialog.OpenFolderButton(), {221, 370, 88, 26}},
            {dialog.CancelButton(), {435, 370, 88, 26}}};
        for (const auto& [widget, place] : places)
            QCOMPARE(widget->geometry(), place);

        CXListCtrl& list = *dialog.List();
        QCOMPARE(list.GetEmptyText(), QString("There is no file to convert"));
        QCOMPARE(list.GetColumnCount(), 3);
        const char* headings[] = {"File Name", "Progress", "Log"};
        const int widths[] = {100, 100, 508 - 2 - 200 - 2};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(list.horizontalHeaderItem(column)->text(), QString(headings[column]));
            QCOMPARE(list.columnWidth(column), widths[column]);
        }
        QCOMPARE(list.GetItemCount(), 2);
        QCOMPARE(list.GetItemText(1, 0), QString("two parts.mp4"));
        QCOMPARE(list.GetItemToolTipText(1, 0), QString("/films/two parts.mp4"));
        QCOMPARE(list.GetProgress(0, 1), 0);
        QCOMPARE(list.GetItemText(0, 2), QString());

        // Without a job list nothing runs: the batch is over at once, the
        // dialog can be closed and the computer is not powered off for it.
        QVERIFY(!dialog.BatchActive());
        QCOMPARE(Buttons(dialog), QString("D Pause, D Stop, E Open Folder"));
        QCOMPARE(dialog.CancelButton()->text(), QString("Close"));
        QTest::qWait(50);
        QCOMPARE(desktop.powerOffRequests, 0);

        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter);
        QVERIFY(dialog.isVisible());

        dialog.outputFolder = "/tmp/some output";
        QTest::mouseClick(dialog.OpenFolderButton(), Qt::LeftButton);
        QCOMPARE(desktop.openedPaths, std::vector<std::string>{"/tmp/some output"});
        QVERIFY(desktop.messages.empty());
        // No file manager: the user is told.
        desktop.openPathAnswer = false;
        QTest::mouseClick(dialog.OpenFolderButton(), Qt::LeftButton);
        QCOMPARE(desktop.messages.size(), std::size_t(1));
        QVERIFY(desktop.messages[0].text.find("/tmp/some output") != std::string::npos);

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void anEncoderLineThatIsNoStatusLineClearsTheStatusLine() {
        CXListCtrl list;
        for (int column = 0; column < 3; ++column)
            list.InsertColumn(column, QStringLiteral("column"), 100);
        list.InsertItem(0, QStringLiteral("song.wav"));
        list.SetProgress(0, 1, true);
        JobRowView row(list, 0, 200, false, [](int) {});
        row.OnStarted();
        row.OnHeaderText("Input #0\r\n");
        JobProgress progress;
        progress.percent = 25;
        progress.statusLine = "size= 10kB time=50.00";
        row.OnProgress(progress);
        QCOMPARE(row.Log(), std::string("Input #0\r\nsize= 10kB time=50.00"));
        row.OnEncoderMessage("Queue input is backward in time");
        QCOMPARE(row.Log(), std::string("Input #0\r\n"));
        QCOMPARE(list.GetProgress(0, 1), 25);
    }

    void threeJobsAreConvertedAndThenTheComputerIsPoweredOffOnce() {
        Conversion conversion;
        for (const char* name : {"one", "two", "three"})
            QVERIFY(conversion.AddTone(name));
        conversion.settings.Batch().shutDownAfterConversion = true;
        conversion.Start();
        CConvertDlg& dialog = *conversion.dialog;

        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.BatchActive(), kLongWait);
        // The user saw it end: no notification.
        QVERIFY(conversion.desktop.notifications.empty());
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(conversion.jobs[row].state, JobState::Converted);
            QCOMPARE(conversion.List().GetProgress(row, 1), 100);
            QVERIFY(!conversion.List().GetBold(row, 0));
            QVERIFY(!conversion.List().GetItemText(row, 2).isEmpty());
        }
        for (const char* name : {"one", "two", "three"})
            QVERIFY2(HasContent(conversion.Output(name)), name);
        QCOMPARE(Buttons(dialog), QString("D Pause, D Stop, E Open Folder"));
        QCOMPARE(dialog.CancelButton()->text(), QString("Close"));
        QVERIFY(dialog.BatchStatus()->text().contains(
            QRegularExpression(QString::fromUtf8("^Done in \\d+:\\d\\d \u2014 3 converted$"))));
        QTest::qWait(200);
        QCOMPARE(conversion.desktop.powerOffRequests, 1);
        QVERIFY(conversion.desktop.messages.empty());

        // A row's Log cell shows how its run ended, not the encoder's
        // banner; clicking the row shows everything the run collected.
        const QString rowResult = conversion.List().GetItemText(1, 2);
        QVERIFY2(rowResult.startsWith("size=") && rowResult.contains("time=1.00"),
                 qPrintable(rowResult));
        conversion.List().SetCurSel(1, true);
        QTRY_VERIFY(conversion.LogText().find("Input #0") != std::string::npos);
        QVERIFY(QString::fromStdString(conversion.LogText()).endsWith(rowResult));

        dialog.CancelButton()->click();
        QTRY_VERIFY(!dialog.isVisible());
    }

    void anOutputWhoseNameIsTakenMeanwhileShowsTheNameItGot() {
        Conversion conversion;
        QVERIFY(conversion.AddTone("song"));
        // The same source again: its output is planned as "song (2).mp3",
        // and another program writes that name just before it is put in place.
        QVERIFY(
            conversion.AddJob(JobItem(conversion.jobs[0]), conversion.Source("song.wav"), "song"));
        qputenv("LD_PRELOAD", VELMONT_FAULT_PRELOAD);
        qputenv("FAULT_PLANT_AT", "/song (2).mp3");
        const auto unplant = qScopeGuard([] {
            qunsetenv("LD_PRELOAD");
            qunsetenv("FAULT_PLANT_AT");
        });
        conversion.Start();
        QTRY_VERIFY_WITH_TIMEOUT(!conversion.dialog->BatchActive(), kLongWait);

        QCOMPARE(conversion.jobs[1].state, JobState::Converted);
        const QString written = QString::fromStdString(conversion.outputDir) + "/song (3).mp3";
        CXListCtrl& list = conversion.List();
        QCOMPARE(list.GetItemText(1, 2), QString("Written as: song (3).mp3"));
        QCOMPARE(list.GetItemToolTipText(1, 0),
                 QString::fromStdString(conversion.Source("song.wav")) +
                     "\nWritten as: " + written);
        list.SetCurSel(1, true);
        QTRY_VERIFY(
            QString::fromStdString(conversion.LogText()).endsWith("Written as: " + written));
        QVERIFY(list.GetItemText(0, 2).startsWith("size="));
        QVERIFY(HasContent(written.toStdString()));
        QFile planted(QString::fromStdString(conversion.Output("song (2)")));
        QVERIFY(planted.open(QIODevice::ReadOnly));
        QCOMPARE(planted.readAll(), QByteArray("planted"));
    }

    void aFailingJobIsShownWhiteOnRedAndTheBatchGoesOn() {
        Conversion conversion;
        QVERIFY(conversion.AddTone("before"));
        QVERIFY(conversion.AddBroken("broken"));
        QVERIFY(conversion.AddTone("after"));
        conversion.desktop.powerOffAnswer = false;
        conversion.settings.Batch().shutDownAfterConversion = true;
        conversion.Start();
        QWidget elsewhere; // the user works in another window meanwhile
        elsewhere.show();
        elsewhere.activateWindow();

        const QString lock = "sleep:idle|Velmont Media Converter|Converting 3 files|block";
        QTRY_VERIFY(bus_.Log().contains("inhibit " + lock));
        QTRY_VERIFY_WITH_TIMEOUT(!conversion.dialog->BatchActive(), kLongWait);
        QTRY_VERIFY(bus_.Log().contains("released Converting 3 files"));
        QCOMPARE(conversion.desktop.notifications.size(), std::size_t(1));
        QCOMPARE(conversion.desktop.notifications[0].summary,
                 std::string("2 files converted, 1 failed"));
        QCOMPARE(conversion.desktop.notifications[0].folder, conversion.outputDir);
        CXListCtrl& list = conversion.List();
        // The encoder's error line, not its banner.
        QVERIFY2(list.GetItemText(1, 2).startsWith("Error: ") &&
                     list.GetItemText(1, 2).contains("broken.wav"),
                 qPrintable(list.GetItemText(1, 2)));
        QVERIFY(conversion.dialog->BatchStatus()->text().endsWith(
            QString::fromUtf8("\u2014 2 converted, 1 failed")));
        QCOMPARE(list.GetItemTextColour(1, 2), QColor(255, 255, 255));
        QCOMPARE(list.GetItemBackgroundColour(1, 2), QColor(255, 0, 0));
        QVERIFY(list.GetProgress(1, 1) < 100);
        QCOMPARE(list.GetProgress(2, 1), 100);
        QVERIFY(HasContent(conversion.Output("after")));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(conversion.Output("broken"))));
        // It ran to its end, so it is not run again.
        QCOMPARE(conversion.jobs[1].state, JobState::Failed);
        QCOMPARE(conversion.jobs[2].state, JobState::Converted);
        // Nothing is left waiting: the power-off is asked for; its refusal is told.
        QTRY_COMPARE(conversion.desktop.messages.size(), std::size_t(1));
        QCOMPARE(conversion.desktop.powerOffRequests, 1);
        QCOMPARE(conversion.desktop.messages[0].text, std::string("Failed to shut down"));
        QCOMPARE(conversion.desktop.messages[0].caption, std::string("Information"));
        QVERIFY(conversion.dialog->isVisible());
    }

    void stopDuringTheSecondJobThenRestartRunsTheRestOnly() {
        Conversion conversion;
        QVERIFY(conversion.AddTone("first"));
        QVERIFY(conversion.AddEndless("second"));
        QVERIFY(conversion.AddTone("third"));
        conversion.settings.Batch().shutDownAfterConversion = true;
        const QString released = "released Converting 3 files";
        const qsizetype releasedBefore = bus_.Log().count(released);
        conversion.Start();
        CConvertDlg& dialog = *conversion.dialog;
        CXListCtrl& list = conversion.List();

        QTRY_VERIFY_WITH_TIMEOUT(list.GetBold(1, 0) && conversion.EncoderSpoke(), kLongWait);
        QCOMPARE(list.GetProgress(0, 1), 100);
        QCOMPARE(conversion.jobs[0].state, JobState::Converted);

        QCOMPARE(dialog.CancelButton()->text(), QString("Cancel"));
        dialog.CancelButton()->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(conversion.AskedToStopFirst(1));

        dialog.StopButton()->click();
        QCOMPARE(Buttons(dialog), QString("D Pause, E Restart, E Open Folder"));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.BatchActive(), kLongWait);
        QCOMPARE(State(dialog.StopButton()), QString("E Restart"));
        // A stopped batch lets the computer sleep while the dialog stays open.
        QTRY_COMPARE(bus_.Log().count(released), releasedBefore + 1);
        QCOMPARE(conversion.jobs[1].state, JobState::Waiting);
        QCOMPARE(conversion.jobs[2].state, JobState::Waiting);
        QCOMPARE(list.GetItemText(1, 2), QString("Stopped!"));
        QVERIFY(!EncodersRunningOn(conversion.Source("second.wav")));
        QCOMPARE(conversion.desktop.powerOffRequests, 0);

        // The second source becomes a short one; the first job's output goes,
        // so a second run of it would show.
        QVERIFY(QFile::remove(QString::fromStdString(conversion.Output("first"))));
        QVERIFY(QFile::remove(QString::fromStdString(conversion.Source("second.wav"))));
        QVERIFY(MakeAudio(QString::fromStdString(conversion.Source("second.wav"))));

        dialog.StopButton()->click();
        QCOMPARE(Buttons(dialog), QString("E Pause, E Stop, D Open Folder"));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.BatchActive(), kLongWait);

        for (int job = 0; job < 3; ++job)
            QCOMPARE(conversion.jobs[job].state, JobState::Converted);
        QVERIFY(!QFileInfo::exists(QString::fromStdString(conversion.Output("first"))));
        QVERIFY(HasContent(conversion.Output("second")));
        QVERIFY(HasContent(conversion.Output("third")));
        QCOMPARE(list.GetProgress(1, 1), 100);
        QCOMPARE(list.GetProgress(2, 1), 100);
        QVERIFY(conversion.LogText().find("Stopped!") == std::string::npos);
        QCOMPARE(Buttons(dialog), QString("D Pause, D Stop, E Open Folder"));
        QTest::qWait(200);
        QCOMPARE(conversion.desktop.powerOffRequests, 1);
    }

    // Two at once select no row when they start: once the rows above have
    // ended, the list scrolls down to the first running one.
    void theFirstRunningRowIsScrolledIntoView() {
        Conversion conversion;
        const int broken = 12; // more rows than the list shows
        for (int i = 0; i < broken; ++i)
            QVERIFY(conversion.AddBroken("broken" + std::to_string(i)));
        QVERIFY(conversion.AddEndless("endless"));
        QVERIFY(
            conversion.AddJob(Conversion::Unprobed(), conversion.Source("endless.wav"), "again"));
        conversion.Start(2);
        QTRY_VERIFY_WITH_TIMEOUT(conversion.jobs[broken - 1].state == JobState::Failed, kLongWait);
        QTRY_VERIFY(conversion.RowInView(broken));
        QVERIFY(!conversion.RowInView(0));
    }

    void closingTheDialogMidRunLeavesNoEncoderBehind() {
        Conversion conversion;
        QVERIFY(conversion.AddEndless("endless"));
        conversion.Start();
        QTRY_VERIFY_WITH_TIMEOUT(conversion.EncoderSpoke(), kLongWait);
        QVERIFY(EncodersRunningOn(conversion.Source("endless.wav")));

        conversion.dialog.reset();
        QVERIFY(!EncodersRunningOn(conversion.Source("endless.wav")));
        QCOMPARE(conversion.jobs[0].state, JobState::Waiting);
        QTest::qWait(50); // work the worker posted must not reach the dead dialog
    }

  private:
    PrivateDesktopBus bus_;
};

QTEST_MAIN(ConvertDialogTest)
#include "tst_convertdlg.moc"
