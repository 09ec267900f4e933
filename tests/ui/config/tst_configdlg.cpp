#include "model/EncodingParams.h"
#include "model/EncodingSettings.h"
#include "model/RunFlags.h"
#include "ui/config/CAudioDlg.h"
#include "ui/config/CConfigDlg.h"
#include "ui/config/COthersDlg.h"
#include "ui/config/CVideoDlg.h"
#include "ui/skin/SkinTabCtrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace velmont;
using Box = COthersDlg::Box;

constexpr FormatId kMov = 17;

class ConfigDialogTest : public QObject {
    Q_OBJECT

    EncodingSettings settings_;

  private slots:
    void init() { settings_ = {}; }

    // Video comes with the format: m4a and opus are audio, nut, webm and mkv
    // video; the pages sit where the skin was drawn.
    void videoTabsFollowTheFormat_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("video");
        QTest::newRow("m4a") << 5 << false;
        QTest::newRow("nut") << 20 << true;
        QTest::newRow("opus") << int(kFormatOpus) << false;
        QTest::newRow("webm") << int(kFormatWebm) << true;
        QTest::newRow("mkv") << int(kFormatMkv) << true;
    }

    void videoTabsFollowTheFormat() {
        QFETCH(int, format);
        QFETCH(bool, video);
        CConfigDlg opened(settings_, format);
        QCOMPARE(opened.FormatList()->currentIndex(), format);
        QCOMPARE(opened.Tabs()->IsTabEnabled(1) && opened.Tabs()->IsTabEnabled(2), video);
        QVERIFY(opened.Tabs()->IsTabEnabled(0) && opened.Tabs()->CurrentTab() == 0);
        QCOMPARE(opened.AudioPage()->geometry(), QRect(15, 40, 403, 228));

        CConfigDlg chosen(settings_, kFormatMp3);
        chosen.FormatList()->setCurrentIndex(format);
        QCOMPARE(chosen.Tabs()->IsTabEnabled(1) && chosen.Tabs()->IsTabEnabled(2), video);
        QCOMPARE(chosen.AudioPage()->format, format);
        QCOMPARE(chosen.VideoPage()->format, video ? format : kFormatMp3);
        chosen.VideoPage()->BitrateList()->setCurrentIndex(0);
        chosen.accept();
        QCOMPARE(settings_.GetEncodingParams(format)->videoBitrateIndex == 0, video);
    }

    // Values not confirmed by OK are dropped when the format changes, and
    // the Video page stays in view until the user picks the Audio tab.
    void switchingFormatsDropsValuesNotConfirmed() {
        settings_.GetEncodingParams(kMov)->cropTop = 6;
        CConfigDlg dialog(settings_, kFormatMp4);
        dialog.show();
        SkinTabCtrl* tabs = dialog.Tabs();
        QVERIFY(tabs->SetCurrentTab(1));
        dialog.VideoPage()->BitrateList()->setCurrentIndex(1);
        dialog.OthersPage()->Edit(Box::CropTop)->setText("4");
        dialog.FormatList()->setCurrentIndex(kMov);
        QCOMPARE(dialog.OthersPage()->Edit(Box::CropTop)->text(), QString("6"));

        dialog.FormatList()->setCurrentIndex(kFormatMp3);
        QCOMPARE(tabs->CurrentTab(), 1);
        QVERIFY(dialog.VideoPage()->isVisible());
        QVERIFY(!tabs->SetCurrentTab(2));
        QVERIFY(tabs->SetCurrentTab(0));
        QVERIFY(dialog.AudioPage()->isVisible());
        dialog.AudioPage()->BitrateList()->setCurrentIndex(9);
        dialog.accept();
        QCOMPARE(settings_.GetEncodingParams(kFormatMp3)->audioBitrateIndex, 9);
        QCOMPARE(*settings_.GetEncodingParams(kFormatMp4), BuiltInDefaults(kFormatMp4));
    }

    void shutdownAndFolderStructureSurviveAReopenButNotACancel() {
        {
            CConfigDlg dialog(settings_, kFormatMp3);
            dialog.ShutdownBox()->click();
            dialog.KeepStructureBox()->click();
            dialog.accept();
        }
        QVERIFY(settings_.Batch().shutDownAfterConversion && settings_.Batch().keepFolderStructure);
        {
            CConfigDlg dialog(settings_, kFormatMp3);
            QVERIFY(dialog.KeepStructureBox()->isChecked());
            dialog.KeepStructureBox()->click();
            dialog.reject();
        }
        QVERIFY(settings_.Batch().keepFolderStructure);
        {
            // Cancel saves nothing at all.
            CConfigDlg dialog(settings_, kFormatMp4);
            QVERIFY(dialog.ShutdownBox()->isChecked());
            dialog.ShutdownBox()->click();
            dialog.OthersPage()->Edit(Box::CropTop)->setText("4");
            dialog.reject();
        }
        QVERIFY(settings_.Batch().shutDownAfterConversion);
        QCOMPARE(*settings_.GetEncodingParams(kFormatMp4), BuiltInDefaults(kFormatMp4));
    }

    // Reset shows the built-in values, stored by OK only; on an audio format
    // it leaves the video pages alone.
    void resetShowsTheBuiltInDefaultsUntilOk() {
        EncodingParams& record = *settings_.GetEncodingParams(kFormatMp4);
        record.cropTop = 9;
        const EncodingParams changed = record;
        CConfigDlg dialog(settings_, kFormatMp4);
        dialog.ResetButton()->click();
        QCOMPARE(dialog.OthersPage()->Edit(Box::CropTop)->text(), QString("0"));
        QCOMPARE(record, changed);
        dialog.accept();
        QCOMPARE(record, BuiltInDefaults(kFormatMp4));

        record = changed;
        settings_.GetEncodingParams(kFormatMp3)->audioBitrateIndex = 0;
        CConfigDlg audio(settings_, kFormatMp4);
        audio.FormatList()->setCurrentIndex(kFormatMp3);
        audio.ResetButton()->click();
        audio.accept();
        QCOMPARE(*settings_.GetEncodingParams(kFormatMp3), BuiltInDefaults(kFormatMp3));
        QCOMPARE(record, changed);
    }
};

QTEST_MAIN(ConfigDialogTest)
#include "tst_configdlg.moc"
