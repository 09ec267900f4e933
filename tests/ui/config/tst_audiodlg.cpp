#include "model/EncodingParams.h"
#include "model/EncodingSettings.h"
#include "ui/config/CAudioDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QtTest>

#include <array>

using namespace velmont;

namespace {

constexpr FormatId kAmr = 2;
constexpr FormatId kOgg = 8;
constexpr FormatId k3gp = 12;

// The list's text when it offers exactly one item.
QString OnlyItem(const QComboBox* list) {
    return list->count() == 1 ? list->itemText(0) : QString("%1 items").arg(list->count());
}

} // namespace

class AudioPageTest : public QObject {
    Q_OBJECT

    EncodingSettings settings_;

  private slots:
    void init() { settings_ = {}; }

    void listsEachDisplayNameOnceAndSelectsTheStoredCodec() {
        settings_.GetEncodingParams(k3gp)->audioCodecIndex = 10;
        CAudioDlg page(settings_, k3gp);
        QCOMPARE(page.AudioTypeList()->currentData().toInt(), 10);
        settings_.GetEncodingParams(k3gp)->audioCodecIndex = -1; // none stored: the first
        page.Refresh();
        QCOMPARE(page.AudioTypeList()->currentIndex(), 0);
        for (FormatId id : {kAmr, kOgg, k3gp, kFormatMkv, kFormatOpus}) {
            page.format = id;
            page.Refresh();
            for (int i = 0; i < page.AudioTypeList()->count(); ++i)
                QCOMPARE(page.AudioTypeList()->findText(page.AudioTypeList()->itemText(i)), i);
        }
    }

    void amrNarrowBandForcesMonoAndItsRatesAtOnce() {
        EncodingParams& record = *settings_.GetEncodingParams(k3gp);
        record.audioCodecIndex = 11;
        record.audioChannels = 2;
        record.audioSampleRateIndex = 5;
        record.audioBitrateIndex = 9;
        const auto stored = [&record] {
            return std::array{record.audioChannels, record.audioSampleRateIndex,
                              record.audioBitrateIndex, record.audioCodecIndex};
        };
        CAudioDlg page(settings_, k3gp);
        page.AudioTypeList()->setCurrentIndex(1); // the user picks AMR narrow band
        QCOMPARE(OnlyItem(page.ChannelModeList()), QString("Mono"));
        QCOMPARE(OnlyItem(page.SampleRateList()), QString("8000 Hz"));
        // Written before any OK, so a Cancel keeps them; the codec waits for OK.
        QCOMPARE(stored(), (std::array{1, -1, -1, 11}));

        page.AudioTypeList()->setCurrentIndex(0); // back to AAC, still mono
        page.OnOK();
        QCOMPARE(stored(), (std::array{1, 4, 6, 11}));
    }

    // Lossless formats open on "Original", the last item of both lists; a
    // lossless codec chosen anywhere opens its rates on it too.
    void originalRateAndChannelsForLosslessFormats() {
        constexpr FormatId kFlac = 4;
        CAudioDlg page(settings_, kFlac);
        QCOMPARE(page.ChannelModeList()->currentText(), QString("Original"));
        QCOMPARE(page.SampleRateList()->currentText(), QString("Original"));
        QCOMPARE(page.SampleRateList()->count(), 7);
        page.ChannelModeList()->setCurrentIndex(1);
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kFlac)->audioChannels, 2);

        page.format = kOgg;
        page.Refresh();
        QCOMPARE(page.SampleRateList()->currentText(), QString("44100 Hz"));
        page.AudioTypeList()->setCurrentIndex(1); // flac in ogg
        QCOMPARE(page.SampleRateList()->currentText(), QString("Original"));
        page.ChannelModeList()->setCurrentIndex(2);
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kOgg)->audioChannels, kChannelsOriginal);
        QCOMPARE(settings_.GetEncodingParams(kOgg)->audioSampleRateIndex,
                 kSampleRateOriginalPosition);
    }

    void volumeLabelShowsThePercentAndFollowsTheUser() {
        settings_.GetEncodingParams(kOgg)->audioVolume = 25;
        CAudioDlg page(settings_, kOgg);
        QCOMPARE(page.VolumeLabel()->text(), QString("9.8%"));
        page.VolumeTrackBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(page.VolumeLabel()->text(), QString("19.5%"));
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kOgg)->audioVolume, 50);
    }

    // A stored position beyond a list selects nothing and is then stored as
    // none; a channel count the list has no name for is shown as itself and
    // kept until the user picks another.
    void storedValuesBeyondTheListsSelectNothingOrShowThemselves() {
        settings_.GetEncodingParams(kAmr)->audioSampleRateIndex = 5;
        settings_.GetEncodingParams(kOgg)->audioChannels = 6;
        CAudioDlg page(settings_, kAmr);
        QCOMPARE(page.SampleRateList()->currentIndex(), -1);
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kAmr)->audioSampleRateIndex, -1);
        page.format = kOgg;
        page.Refresh();
        QCOMPARE(page.ChannelModeList()->currentText(), QString("6 channels"));
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kOgg)->audioChannels, 6);
        page.ChannelModeList()->setCurrentIndex(1);
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kOgg)->audioChannels, 2);
        page.Refresh();
        QCOMPARE(page.ChannelModeList()->count(), 3);
    }

    void enableAudioSwitchesTheControls() {
        settings_.GetEncodingParams(kOgg)->audioEnabled = false;
        CAudioDlg page(settings_, kOgg);
        const QWidget* controls[] = {page.AudioTypeList(), page.ChannelModeList(),
                                     page.SampleRateList(), page.BitrateList(),
                                     page.VolumeTrackBar()};
        for (const QWidget* control : controls)
            QVERIFY(!control->isEnabled());
        page.EnableAudioBox()->click();
        for (const QWidget* control : controls)
            QVERIFY(control->isEnabled());
    }
};

QTEST_MAIN(AudioPageTest)
#include "tst_audiodlg.moc"
