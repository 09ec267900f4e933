// The main window itself: layout, output directory, closing, help and the
// window commands.

#include "MainDialogFixture.h"

#include "model/EncodingParams.h"
#include "model/SettingsFiles.h"
#include "ui/config/CAudioDlg.h"
#include "ui/config/CConfigDlg.h"
#include "ui/main/FormatDuration.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <utility>

using namespace velmont;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens the configuration dialog the way the Settings button does (on mp3,
// no row being selected), lets `change` work on it and presses OK.
template <class Change> void ConfigureMp3(MainDialog& window, Change change) {
    QTimer::singleShot(0, &window, [&window, change] {
        auto* config = window.findChild<CConfigDlg*>();
        if (!config)
            return;
        change(*config);
        for (QPushButton* button : config->findChildren<QPushButton*>())
            if (button->text() == "OK")
                button->click();
    });
    window.OnConfig();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir program_;
    FakeDesktop desktop_;

    std::string RecordFile() const { return SetupIn(program_).recordFile; }
    bool RecordExists() const { return QFileInfo::exists(QString::fromStdString(RecordFile())); }

  private slots:
    void init() {
        QFile::remove(QString::fromStdString(RecordFile()));
        desktop_ = FakeDesktop();
    }

    // The skin's art is drawn for these places: every control sits where it was drawn.
    void everyControlSitsWhereTheSkinWasDrawn() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QCOMPARE(dialog.size(), QSize(605, 567));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialog.FileList()->geometry(), QRect(24, 145, 556, 256));
        QCOMPARE(dialog.DirectoryBox()->geometry(), QRect(143, 420, 370, 26));
        for (int column = 0; column < 5; ++column)
            QCOMPARE(dialog.FileList()->columnWidth(column),
                     (std::array{30, 150, 85, 120, 167})[column]);
        using D = MainDialog;
        const std::pair<int, QPoint> buttons[] = {
            {D::kAddId, {34, 89}},       {D::kDelId, {134, 89}},         {D::kConfigId, {235, 89}},
            {D::kDownId, {435, 103}},    {D::kUpId, {460, 103}},         {D::kPlayId, {485, 103}},
            {D::kTagId, {520, 90}},      {D::kOutputLabelId, {33, 424}}, {D::kDirId, {527, 413}},
            {D::kGoId, {46, 464}},       {D::kHelpId, {370, 483}},       {D::kExitId, {470, 483}},
            {D::kQuestionId, {519, 10}}, {D::kMinimizeId, {543, 10}},    {D::kCloseId, {567, 10}},
            {D::kBrandId, {25, 15}},     {D::kHomePageId, {375, 52}}};
        QCOMPARE(dialog.findChildren<ImageButton*>().size(), int(std::size(buttons)));
        for (const auto& [id, position] : buttons) {
            QVERIFY2(dialog.Button(id), qPrintable(QString::number(id)));
            QCOMPARE(dialog.Button(id)->pos(), position);
        }
    }

    void windowCommands() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(dialog));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Tab walks the list commands, the list, the output folder, then Go.
        dialog.Button(MainDialog::kTagId)->setFocus();
        for (QWidget* next : std::initializer_list<QWidget*>{
                 dialog.FileList(), dialog.DirectoryBox(), dialog.Button(MainDialog::kDirId),
                 dialog.Button(MainDialog::kGoId)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // The two decorations are disabled but keep their normal look.
        for (int id : {MainDialog::kOutputLabelId, MainDialog::kBrandId})
            QVERIFY(!dialog.Button(id)->isEnabled() && !dialog.Button(id)->GreyedDisabledLook());
        dialog.Button(MainDialog::kHomePageId)->click();
        QCOMPARE(desktop_.openedUrls, std::vector<std::string>{skin::kHomePageUrl});
        QCOMPARE(FormatDuration(360000), std::string("100:00:00"));

        // The surface's menu offers the about box.
        QTimer::singleShot(0, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                menu->setActiveAction(menu->actions().first());
                QTest::keyClick(menu, Qt::Key_Return);
            }
        });
        const QPoint surface(300, 540); // below the buttons, on the background
        QContextMenuEvent event(QContextMenuEvent::Mouse, surface, dialog.mapToGlobal(surface));
        QCoreApplication::sendEvent(&dialog, &event);
        QCOMPARE(dialog.aboutBoxes, 1);
        dialog.Button(MainDialog::kMinimizeId)->click();
        QTRY_VERIFY(dialog.windowState() & Qt::WindowMinimized);
        dialog.OnClose();
    }

    void folderPickerAddsOneSeparatorAndKeepsTheBoxOnCancelOrFailure() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        const std::pair<QString, QString> picks[] = {
            {"/home/ann/out", "/home/ann/out/"}, {"/", "/"}, {"/home/ann/", "/home/ann/"}};
        for (const auto& [chosen, shown] : picks) {
            desktop_.folderAnswer = {DialogOutcome::Chosen, Std(chosen)};
            dialog.OnDir();
            QCOMPARE(dialog.DirectoryBox()->text(), shown);
        }
        for (DialogOutcome outcome : {DialogOutcome::Cancelled, DialogOutcome::Failed}) {
            desktop_.folderAnswer = {outcome, {}};
            dialog.OnDir();
        }
        QCOMPARE(dialog.DirectoryBox()->text(), QString("/home/ann/"));
        QCOMPARE(desktop_.messages.size(), std::size_t(1)); // for the failure only
        QCOMPARE(desktop_.messages[0].icon, MessageIcon::Error);
    }

    void everyWayOfClosingStoresTheDirectory_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("close button") << 0;
        QTest::newRow("exit button") << 1;
        QTest::newRow("escape") << 2;
        QTest::newRow("close request") << 3;
    }

    void everyWayOfClosingStoresTheDirectory() {
        QFETCH(int, way);
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(dialog));
        dialog.DirectoryBox()->setText("/typed/here");
        // Enter closes nothing and writes no record.
        QTest::keyClick(dialog.DirectoryBox(), Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter, Qt::KeypadModifier);
        dialog.accept();
        QVERIFY(dialog.isVisible() && !RecordExists());
        if (way == 0)
            dialog.Button(MainDialog::kCloseId)->click();
        else if (way == 1)
            dialog.Button(MainDialog::kExitId)->click();
        else if (way == 2)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(LoadOutputDirectoryFrom(RecordFile()), std::string("/typed/here"));
        QVERIFY(desktop_.messages.empty());
    }

    void aFailedSaveIsToldOnceAndTheWindowStillCloses() {
        MainDialogSetup setup = SetupIn(program_);
        QVERIFY(WriteText(QString::fromStdString(setup.programDirectory + "blocker"), ""));
        setup.recordFile = setup.programDirectory + "blocker/record.ini";
        RecordingMainDialog dialog(desktop_, setup);
        QVERIFY(ShowExposed(dialog));
        dialog.DirectoryBox()->setText("/typed/here");
        dialog.Button(MainDialog::kCloseId)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QVERIFY(desktop_.messages[0].text.find("blocker") != std::string::npos);
        QFile::remove(QString::fromStdString(setup.programDirectory + "blocker"));
    }

    // OK keeps the settings in the user's file, where the next start reads
    // them after the administrator's, which stays as it was; Reset gives
    // the built-in values back; a save that fails is told and the settings
    // stay in force.
    void okKeepsTheSettingsForTheNextStart() {
        const QDir folder(program_.path());
        const QByteArray adminText = "<root><param><mp3 AudioVolume=\"300\"/></param></root>";
        QVERIFY(WriteText(folder.filePath("param.ini"), adminText));
        MainDialogSetup setup = SetupIn(program_);
        setup.paramFiles = {Std(folder.filePath("param.ini")),
                            Std(folder.filePath("config/velmont-converter/param.ini"))};
        LoadParamFiles(setup.paramFiles, setup.settings);
        const auto nextStart = [&setup] {
            EncodingSettings settings;
            LoadParamFiles(setup.paramFiles, settings);
            return settings;
        };
        MainDialog window(desktop_, setup);
        ConfigureMp3(window, [](CConfigDlg& config) {
            config.AudioPage()->BitrateList()->setCurrentIndex(9);
            config.SimultaneousBox()->setCurrentIndex(2);
            config.KeepStructureBox()->click();
        });
        QCOMPARE(nextStart().GetEncodingParams(kFormatMp3)->audioBitrateIndex, 9);
        QCOMPARE(nextStart().Batch(), (BatchChoices{2, true}));
        QVERIFY(nextStart() == window.Settings());
        QCOMPARE(ReadAll(folder.filePath("param.ini")), adminText);

        ConfigureMp3(window, [](CConfigDlg& config) { config.ResetButton()->click(); });
        QCOMPARE(*nextStart().GetEncodingParams(kFormatMp3), BuiltInDefaults(kFormatMp3));
        QVERIFY(desktop_.messages.empty());

        QVERIFY(WriteText(folder.filePath("blocker"), ""));
        setup.paramFiles.user = Std(folder.filePath("blocker/param.ini"));
        MainDialog blocked(desktop_, setup);
        ConfigureMp3(blocked, [](CConfigDlg& config) {
            config.AudioPage()->BitrateList()->setCurrentIndex(0);
        });
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QVERIFY(desktop_.messages[0].text.find("blocker") != std::string::npos);
        QCOMPARE(blocked.Settings().GetEncodingParams(kFormatMp3)->audioBitrateIndex, 0);
    }

    // The box shows the record, or format zero's folder without one; closing
    // with the box empty leaves the record as it was.
    void directoryComesFromTheRecordAndAnEmptyBoxLeavesItUntouched() {
        MainDialogSetup setup = SetupIn(program_);
        setup.settings.GetEncodingParams(0)->outputDir = "/from/format/zero";
        for (bool recordBefore : {false, true}) {
            if (recordBefore)
                QVERIFY(SaveOutputDirectoryTo(RecordFile(), "/before/"));
            RecordingMainDialog dialog(desktop_, setup);
            QCOMPARE(dialog.DirectoryBox()->text(),
                     QString(recordBefore ? "/before/" : "/from/format/zero"));
            dialog.show();
            dialog.DirectoryBox()->clear();
            dialog.OnClose();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(RecordExists(), recordBefore);
            if (recordBefore)
                QCOMPARE(LoadOutputDirectoryFrom(RecordFile()), std::string("/before/"));
        }
    }

    void helpOpensThePageBesideTheProgram() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        const std::string page = SetupIn(program_).programDirectory + "help.html";
        dialog.Button(MainDialog::kHelpId)->click();
        dialog.Button(MainDialog::kQuestionId)->click();
        QVERIFY(ShowExposed(dialog));
        dialog.activateWindow();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QTRY_COMPARE(desktop_.helpRequests, (std::vector<std::string>{page, page, page}));
        dialog.OnClose();
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
