// The main window itself: layout, output directory, closing, help and the
// window commands.

#include "MainDialogFixture.h"

#include "model/EncodingParams.h"
#include "model/SettingsFiles.h"
#include "ui/main/AboutBox.h"
#include "ui/main/FormatDuration.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <utility>

using namespace velmont;

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
        ResetAllEncodingParams();
    }

    void windowListAndBoxHaveTheirLayout() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QCOMPARE(dialog.size(), QSize(605, 567));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialog.windowTitle(), QString("Velmont Media Converter"));
        QVERIFY(dialog.ClampToScreen());
        QCOMPARE(dialog.DragAlpha(), 100);

        CXListCtrl* list = dialog.FileList();
        QCOMPARE(list->geometry(), QRect(24, 145, 556, 256));
        const QStringList headings{"", "File Name", "Duration", "Output Format",
                                   "Output File Name"};
        const int widths[] = {30, 150, 85, 120, 167};
        QCOMPARE(list->GetColumnCount(), 5);
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(list->horizontalHeaderItem(column)->text(), headings[column]);
            QCOMPARE(list->columnWidth(column), widths[column]);
        }
        QCOMPARE(list->GetEmptyText(), QString("Please <+Add> files to convert"));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);

        QLineEdit* box = dialog.DirectoryBox();
        QCOMPARE(box->geometry(), QRect(143, 420, 370, 26));
        QCOMPARE(box->font().weight(), QFont::Normal);
        const int height = QFontMetrics(box->font()).height();
        QVERIFY2(height <= 18 && height >= 14, qPrintable(QString::number(height)));
    }

    void buttonsSitAtTheirPlacesWithTheirNamesTooltipsAndKeys() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        struct Expected {
            int id;
            QPoint position;
            const char* name;
            const char* tooltip; // the key, where there is one, in brackets
        };
        const Expected expected[] = {
            {MainDialog::kAddId, {34, 89}, "Add files", "Add files to list (Ctrl+O)"},
            {MainDialog::kDelId, {134, 89}, "Delete", "Remove selected files from list (Del)"},
            {MainDialog::kConfigId, {235, 89}, "Configuration", "Configuration (Ctrl+P)"},
            {MainDialog::kDownId,
             {435, 103},
             "Move down",
             "Move down the selected file (Alt+Down)"},
            {MainDialog::kUpId, {460, 103}, "Move up", "Move up the selected file (Alt+Up)"},
            {MainDialog::kPlayId, {485, 103}, "Play", "Play the selected file (Ctrl+L)"},
            {MainDialog::kTagId,
             {520, 90},
             "Edit tag",
             "Edit the ID3 Tag of the selected file (Ctrl+T)"},
            {MainDialog::kOutputLabelId, {33, 424}, "Output folder", ""},
            {MainDialog::kDirId,
             {527, 413},
             "Select output folder",
             "Select output directory (Ctrl+D)"},
            {MainDialog::kGoId,
             {46, 464},
             "Convert",
             "Start to convert the files selected in the list (Ctrl+Return)"},
            {MainDialog::kHelpId, {370, 483}, "Help", "Help (F1)"},
            {MainDialog::kExitId, {470, 483}, "Exit", "Exit (Ctrl+Q)"},
            {MainDialog::kQuestionId, {519, 10}, "Help", ""},
            {MainDialog::kMinimizeId, {543, 10}, "Minimise", "Minimise (Ctrl+M)"},
            {MainDialog::kCloseId, {567, 10}, "Close", ""},
            {MainDialog::kBrandId, {25, 15}, "Velmont Media Converter", ""},
            {MainDialog::kHomePageId, {375, 52}, "Home page", "homepage"},
        };
        for (const Expected& button : expected) {
            ImageButton* widget = dialog.Button(button.id);
            QVERIFY2(widget, qPrintable(QString::number(button.id)));
            QCOMPARE(widget->pos(), button.position);
            QCOMPARE(widget->accessibleName(), QString(button.name));
            QCOMPARE(widget->toolTip(), QString(button.tooltip));
            QVERIFY(!widget->DrawsBorder() && widget->DrawsTransparent());
            QVERIFY(!widget->size().isEmpty());
        }
        // Tab walks the list commands, the list, the output folder, then Go.
        QVERIFY(ShowExposed(dialog));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.Button(MainDialog::kTagId)->setFocus();
        for (QWidget* next : {static_cast<QWidget*>(dialog.FileList()),
                              static_cast<QWidget*>(dialog.DirectoryBox()),
                              static_cast<QWidget*>(dialog.Button(MainDialog::kDirId)),
                              static_cast<QWidget*>(dialog.Button(MainDialog::kGoId))}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QCOMPARE(dialog.findChildren<ImageButton*>().size(), 17);

        // The two decorations are disabled but keep their normal look.
        for (int id : {MainDialog::kOutputLabelId, MainDialog::kBrandId}) {
            QVERIFY(!dialog.Button(id)->isEnabled());
            QVERIFY(!dialog.Button(id)->GreyedDisabledLook());
        }
        dialog.Button(MainDialog::kHomePageId)->click();
        QCOMPARE(desktop_.openedUrls, std::vector<std::string>{skin::kHomePageUrl});
    }

    void durationTexts() {
        QCOMPARE(FormatDuration(3725), std::string("01:02:05"));
        QCOMPARE(FormatDuration(0), std::string("00:00:00"));
        QCOMPARE(FormatDuration(360000), std::string("100:00:00"));
        QCOMPARE(FormatDuration(kUnknownDuration), std::string("--:--:--"));
    }

    void directoryComesFromTheRecordOrFormatZero() {
        GetEncodingParams(0)->OutputDir = "/from/format/zero";
        {
            RecordingMainDialog dialog(desktop_, SetupIn(program_));
            QCOMPARE(dialog.DirectoryBox()->text(), QString("/from/format/zero"));
            QVERIFY(!RecordExists());
        }
        QVERIFY(SaveOutputDirectoryTo(RecordFile(), "/srv/music/"));
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QCOMPARE(dialog.DirectoryBox()->text(), QString("/srv/music/"));
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
        QCOMPARE(desktop_.folderRequests, 3);
        desktop_.folderAnswer = {DialogOutcome::Cancelled, {}};
        dialog.OnDir();
        QVERIFY(desktop_.messages.empty());
        desktop_.folderAnswer = {DialogOutcome::Failed, {}};
        dialog.OnDir();
        QCOMPARE(dialog.DirectoryBox()->text(), QString("/home/ann/"));
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QCOMPARE(desktop_.messages[0].text, std::string("Failed!"));
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
        if (way == 0)
            dialog.Button(MainDialog::kCloseId)->click();
        else if (way == 1)
            dialog.Button(MainDialog::kExitId)->click();
        else if (way == 2)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(LoadOutputDirectoryFrom(RecordFile()), std::string("/typed/here"));
        QVERIFY(desktop_.messages.empty());
    }

    void aFailedSaveIsToldOnceAndTheWindowStillCloses() {
        MainDialogSetup setup = SetupIn(program_);
        QFile blocker(QString::fromStdString(setup.programDirectory + "blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        setup.recordFile = setup.programDirectory + "blocker/record.ini";
        RecordingMainDialog dialog(desktop_, setup);
        QVERIFY(ShowExposed(dialog));
        dialog.DirectoryBox()->setText("/typed/here");
        dialog.Button(MainDialog::kCloseId)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QCOMPARE(desktop_.messages[0].caption, std::string("Information"));
        QVERIFY(desktop_.messages[0].text.find("blocker") != std::string::npos);
        blocker.remove();
    }

    void closingWithAnEmptyBoxLeavesTheRecordUntouched() {
        GetEncodingParams(0)->OutputDir.clear();
        for (bool recordBefore : {false, true}) {
            if (recordBefore)
                QVERIFY(SaveOutputDirectoryTo(RecordFile(), "/before/"));
            QFile record(QString::fromStdString(RecordFile()));
            const QByteArray before = record.open(QIODevice::ReadOnly) ? record.readAll() : "";
            record.close();

            RecordingMainDialog dialog(desktop_, SetupIn(program_));
            dialog.show();
            dialog.DirectoryBox()->clear();
            dialog.OnClose();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(RecordExists(), recordBefore);
            if (recordBefore) {
                QVERIFY(record.open(QIODevice::ReadOnly));
                QCOMPARE(record.readAll(), before);
            }
        }
    }

    void enterDoesNothing() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(dialog));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(dialog.DirectoryBox(), Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter, Qt::KeypadModifier);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QVERIFY(!RecordExists());
        dialog.OnClose();
    }

    void helpOpensThePageBesideTheProgram() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        const std::string page = SetupIn(program_).programDirectory + "help.html";
        QCOMPARE(dialog.HelpFilePath(), page);
        dialog.Button(MainDialog::kHelpId)->click();
        dialog.Button(MainDialog::kQuestionId)->click();
        QVERIFY(ShowExposed(dialog));
        dialog.activateWindow();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QTRY_COMPARE(desktop_.helpRequests, (std::vector<std::string>{page, page, page}));
        dialog.OnClose();

        const MainDialogSetup installed = MainDialogSetup::Installed();
        QVERIFY(!installed.programDirectory.empty());
        QCOMPARE(installed.programDirectory.back(), '/');
        QCOMPARE(installed.recordFile, RecordFilePath());
    }

    void surfaceMenuOffersTheAboutBoxWhoseOkCloses() {
        AboutBox box;
        box.show();
        box.OkButton()->click();
        QVERIFY(!box.isVisible());

        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(dialog));
        QStringList entries;
        QTimer::singleShot(0, [&entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                entries << action->text();
            menu->setActiveAction(menu->actions().first());
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint surface(300, 540); // below the buttons, on the background
        QContextMenuEvent event(QContextMenuEvent::Mouse, surface, dialog.mapToGlobal(surface));
        QCoreApplication::sendEvent(&dialog, &event);
        QCOMPARE(entries.value(0), QString("About Velmont Media Converter..."));
        QCOMPARE(dialog.aboutBoxes, 1);
        dialog.OnClose();
    }

    void minimiseButtonMinimises() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(dialog));
        dialog.Button(MainDialog::kMinimizeId)->click();
        QTRY_VERIFY(dialog.windowState() & Qt::WindowMinimized);
        dialog.OnClose();
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
