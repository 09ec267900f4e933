#include "model/EncodingParams.h"
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
#include <QSlider>
#include <QtTest>

using namespace velmont;
using Box = COthersDlg::Box;

namespace {

constexpr FormatId kMp3 = 7;
constexpr FormatId kMp4 = 15;
constexpr FormatId kMov = 17;

} // namespace

class ConfigDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ResetAllEncodingParams();
        ShutdownAfterConversion = false;
    }

    void opensOnAnAudioFormatWithTheVideoTabsDisabled() {
        CConfigDlg dialog(kMp3);
        QCOMPARE(dialog.windowTitle(), QString("Configuration"));
        QCOMPARE(dialog.size(), QSize(460, 440));
        QComboBox* formats = dialog.FormatList();
        QCOMPARE(formats->count(), 24);
        QCOMPARE(formats->currentText(), QString("mp3"));

        SkinTabCtrl* tabs = dialog.Tabs();
        QCOMPARE(tabs->TabCount(), 3);
        QCOMPARE(tabs->TabBar()->tabText(2), QString("Advanced Video"));
        QVERIFY(tabs->IsTabEnabled(0) && !tabs->IsTabEnabled(1) && !tabs->IsTabEnabled(2));
        QCOMPARE(tabs->CurrentTab(), 0);
        QCOMPARE(dialog.AudioPage()->geometry(), QRect(15, 40, 403, 228));
        QCOMPARE(dialog.AudioPage()->FormatId, kMp3);
    }

    // Video comes with the format: m4a and opus are audio, nut, webm and mkv video.
    void videoTabsFollowTheFormat_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("video");
        QTest::newRow("m4a") << 5 << "m4a" << false;
        QTest::newRow("nut") << 20 << "nut" << true;
        QTest::newRow("opus") << int(kFormatOpus) << "opus" << false;
        QTest::newRow("webm") << int(kFormatWebm) << "webm" << true;
        QTest::newRow("mkv") << int(kFormatMkv) << "mkv" << true;
    }

    void videoTabsFollowTheFormat() {
        QFETCH(int, format);
        QFETCH(QString, name);
        QFETCH(bool, video);
        CConfigDlg opened(format);
        QCOMPARE(opened.FormatList()->currentText(), name);
        QCOMPARE(opened.Tabs()->IsTabEnabled(1) && opened.Tabs()->IsTabEnabled(2), video);

        CConfigDlg chosen(kMp3);
        chosen.FormatList()->setCurrentIndex(format);
        QCOMPARE(chosen.GetFormatId(), format);
        QCOMPARE(chosen.Tabs()->IsTabEnabled(1) && chosen.Tabs()->IsTabEnabled(2), video);
        QCOMPARE(chosen.VideoPage()->FormatId, video ? format : kMp3);
        chosen.VideoPage()->BitrateList()->setCurrentIndex(0);
        chosen.accept();
        QCOMPARE(GetEncodingParams(format)->VideoBitrate == 0, video);
    }

    void switchingToAnAudioFormatWhileTheVideoTabShows() {
        CConfigDlg dialog(kMp4);
        dialog.show();
        QCOMPARE(dialog.VideoPage()->geometry(), QRect(15, 40, 403, 228));
        SkinTabCtrl* tabs = dialog.Tabs();
        QVERIFY(tabs->SetCurrentTab(1));
        dialog.VideoPage()->BitrateList()->setCurrentIndex(1);
        dialog.OthersPage()->Edit(Box::CropTop)->setText("4");

        dialog.FormatList()->setCurrentIndex(kMp3);
        QCOMPARE(dialog.GetFormatId(), kMp3);
        QVERIFY(!tabs->IsTabEnabled(1) && !tabs->IsTabEnabled(2));
        // The Video page stays in view until the user picks the Audio tab.
        QCOMPARE(tabs->CurrentTab(), 1);
        QVERIFY(dialog.VideoPage()->isVisible());
        QVERIFY(!tabs->SetCurrentTab(2));
        QVERIFY(tabs->SetCurrentTab(0));
        QVERIFY(dialog.AudioPage()->isVisible());

        dialog.AudioPage()->BitrateList()->setCurrentIndex(9);
        dialog.accept();
        QCOMPARE(GetEncodingParams(kMp3)->AudioBitrate, 9);
        QCOMPARE(*GetEncodingParams(kMp4), BuiltInDefaults(kMp4));
    }

    void switchingVideoFormatsDropsValuesNotConfirmed() {
        GetEncodingParams(kMov)->CropTop = 6;
        CConfigDlg dialog(kMp4);
        dialog.OthersPage()->Edit(Box::CropTop)->setText("4");
        dialog.VideoPage()->BitrateList()->setCurrentIndex(1);
        dialog.AudioPage()->VolumeTrackBar()->setValue(0);

        dialog.FormatList()->setCurrentIndex(kMov);
        QCOMPARE(dialog.OthersPage()->FormatId, kMov);
        QCOMPARE(dialog.OthersPage()->Edit(Box::CropTop)->text(), QString("6"));
        QCOMPARE(dialog.VideoPage()->BitrateList()->currentText(), QString("768 kbps"));

        dialog.FormatList()->setCurrentIndex(kMp4);
        QCOMPARE(dialog.OthersPage()->Edit(Box::CropTop)->text(), QString("0"));
        QCOMPARE(dialog.AudioPage()->VolumeTrackBar()->value(), 256);
        dialog.accept();
        QCOMPARE(*GetEncodingParams(kMp4), BuiltInDefaults(kMp4));
    }

    void shutdownOptionSurvivesAReopenButNotACancel() {
        {
            CConfigDlg dialog(kMp3);
            QVERIFY(!dialog.ShutdownBox()->isChecked());
            QCOMPARE(dialog.ShutdownBox()->text(), QString("shut down your PC after conversion"));
            dialog.ShutdownBox()->click();
            dialog.accept();
        }
        QVERIFY(ShutdownAfterConversion);
        {
            // Cancel saves nothing at all.
            CConfigDlg dialog(kMp4);
            QVERIFY(dialog.ShutdownBox()->isChecked());
            dialog.ShutdownBox()->click();
            dialog.AudioPage()->BitrateList()->setCurrentIndex(0);
            dialog.OthersPage()->Edit(Box::CropTop)->setText("4");
            dialog.reject();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QVERIFY(ShutdownAfterConversion);
        QCOMPARE(*GetEncodingParams(kMp4), BuiltInDefaults(kMp4));
    }

    void resetShowsTheBuiltInDefaultsUntilOk() {
        EncodingParams& record = *GetEncodingParams(kMp4);
        record.AudioVolume = 100;
        record.VideoBitrate = 2;
        record.CropTop = 9;
        const EncodingParams changed = record;
        CConfigDlg dialog(kMp4);

        dialog.ResetButton()->click();
        QCOMPARE(dialog.AudioPage()->VolumeTrackBar()->value(), 256);
        QCOMPARE(dialog.VideoPage()->BitrateList()->currentText(), QString("768 kbps"));
        QCOMPARE(dialog.OthersPage()->Edit(Box::CropTop)->text(), QString("0"));
        QCOMPARE(record, changed);

        dialog.accept();
        QCOMPARE(record, BuiltInDefaults(kMp4));
    }

    void resetOnAnAudioFormatLeavesTheVideoPagesAlone() {
        GetEncodingParams(kMp4)->CropTop = 9;
        GetEncodingParams(kMp3)->AudioBitrate = 0;
        CConfigDlg dialog(kMp4);
        dialog.FormatList()->setCurrentIndex(kMp3);
        dialog.ResetButton()->click();
        QCOMPARE(dialog.AudioPage()->BitrateList()->currentText(), QString("128 kbps"));
        QCOMPARE(dialog.OthersPage()->Edit(Box::CropTop)->text(), QString("9"));
        dialog.accept();
        QCOMPARE(GetEncodingParams(kMp3)->AudioBitrate, 6);
        QCOMPARE(GetEncodingParams(kMp4)->CropTop, 9);
    }
};

QTEST_MAIN(ConfigDialogTest)
#include "tst_configdlg.moc"
