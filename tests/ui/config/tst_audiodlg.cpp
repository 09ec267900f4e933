#include "model/Catalogue.h"
#include "model/EncodingParams.h"
#include "ui/config/CAudioDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QtTest>

#include <utility>

using namespace velmont;

namespace {

constexpr FormatId kAmr = 2;
constexpr FormatId kOgg = 8;
constexpr FormatId k3gp = 12;

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QList<int> CodecIds(const QComboBox* list) {
    QList<int> ids;
    for (int i = 0; i < list->count(); ++i)
        ids << list->itemData(i).toInt();
    return ids;
}

} // namespace

class AudioPageTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { ResetAllEncodingParams(); }

    void listsEachDisplayNameOnceAndSelectsTheStoredCodec() {
        GetEncodingParams(k3gp)->AudioCodec = 10;
        CAudioDlg page(k3gp);
        QCOMPARE(Items(page.AudioTypeList()),
                 QStringList({"ADTS AAC", "arm_nb,audio/amr", "arm_wb,audio/amr"}));
        QCOMPARE(CodecIds(page.AudioTypeList()), QList<int>({11, 9, 10}));
        QCOMPARE(page.AudioTypeList()->currentText(), QString("arm_wb,audio/amr"));
        // No stored codec: the first, AAC, with the general lists.
        GetEncodingParams(k3gp)->AudioCodec = -1;
        page.Refresh();
        QCOMPARE(page.AudioTypeList()->currentIndex(), 0);
        QCOMPARE(page.SampleRateList()->count(), 6);

        page.FormatId = kOgg;
        page.Refresh();
        QCOMPARE(Items(page.AudioTypeList()), QStringList({"Ogg Vorbis", "flac"}));
        QCOMPARE(CodecIds(page.AudioTypeList()), QList<int>({13, 8}));

        page.FormatId = kFormatMkv;
        page.Refresh();
        QCOMPARE(Items(page.AudioTypeList()),
                 QStringList({"AAC", "FLAC", "Opus", "Vorbis", "AC-3"}));
        QCOMPARE(CodecIds(page.AudioTypeList()), QList<int>({11, 8, 20, 13, 0}));
        page.FormatId = kFormatOpus;
        page.Refresh();
        QCOMPARE(Items(page.AudioTypeList()), QStringList({"Opus"}));
        QCOMPARE(page.SampleRateList()->currentText(), QString("48000 Hz"));
    }

    void amrNarrowBandForcesMonoAndItsRatesAtOnce() {
        EncodingParams& record = *GetEncodingParams(k3gp);
        record.AudioCodec = 11;
        record.AudioChannel = 2;
        record.AudioSampleRate = 5;
        record.AudioBitrate = 9;
        CAudioDlg page(k3gp);

        page.AudioTypeList()->setCurrentIndex(1); // the user picks AMR narrow band
        QCOMPARE(Items(page.ChannelModeList()), QStringList({"Mono"}));
        QCOMPARE(page.ChannelModeList()->currentIndex(), 0);
        QCOMPARE(Items(page.SampleRateList()), QStringList({"8000 Hz"}));
        QCOMPARE(page.SampleRateList()->currentIndex(), 0);
        QCOMPARE(page.BitrateList()->count(), 8);
        QCOMPARE(page.BitrateList()->itemText(2), QString("5.90 kbps"));
        QCOMPARE(page.BitrateList()->currentText(), QString("12.20 kbps"));
        // Written before any OK, so a Cancel keeps them; the codec waits for OK.
        QCOMPARE(record.AudioChannel, 1);
        QCOMPARE(record.AudioSampleRate, -1);
        QCOMPARE(record.AudioBitrate, -1);
        QCOMPARE(record.AudioCodec, 11);

        page.AudioTypeList()->setCurrentIndex(2); // wide band
        QCOMPARE(Items(page.SampleRateList()), QStringList({"16000 Hz"}));
        QCOMPARE(page.BitrateList()->currentText(), QString("23.85 kbps"));

        page.AudioTypeList()->setCurrentIndex(0); // back to AAC
        QCOMPARE(page.SampleRateList()->currentText(), QString("44100 Hz"));
        QCOMPARE(page.BitrateList()->currentText(), QString("128 kbps"));
        QCOMPARE(page.ChannelModeList()->count(), 2);
        QCOMPARE(page.ChannelModeList()->currentText(), QString("Mono"));

        page.OnOK();
        QCOMPARE(record.AudioCodec, 11);
        QCOMPARE(record.AudioChannel, 1);
        QCOMPARE(record.AudioSampleRate, 4);
        QCOMPARE(record.AudioBitrate, 6);
    }

    void volumeLabelShowsThePercentAndFollowsTheUser() {
        const std::pair<int, const char*> positions[] = {
            {256, "100.0%"}, {0, "0.0%"}, {512, "200.0%"}, {25, "9.8%"}};
        for (const auto& [position, text] : positions) {
            GetEncodingParams(kOgg)->AudioVolume = position;
            CAudioDlg page(kOgg);
            QCOMPARE(page.VolumeTrackBar()->value(), position);
            QCOMPARE(page.VolumeLabel()->text(), QString(text));
        }
        GetEncodingParams(kOgg)->AudioVolume = 256;
        CAudioDlg page(kOgg);
        page.VolumeTrackBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(page.VolumeLabel()->text(), QString("109.8%"));
        page.OnOK();
        QCOMPARE(GetEncodingParams(kOgg)->AudioVolume, 281);
    }

    void storedPositionsBeyondTheListsSelectNothing() {
        GetEncodingParams(kAmr)->AudioSampleRate = 5;
        GetEncodingParams(kOgg)->AudioChannel = 6;
        CAudioDlg page(kAmr);
        QCOMPARE(page.SampleRateList()->count(), 1);
        QCOMPARE(page.SampleRateList()->currentIndex(), -1);
        page.OnOK();
        QCOMPARE(GetEncodingParams(kAmr)->AudioSampleRate, -1);
        // An unknown channel count is not stored as zero.
        page.FormatId = kOgg;
        page.Refresh();
        QCOMPARE(page.ChannelModeList()->currentIndex(), -1);
        page.OnOK();
        QCOMPARE(GetEncodingParams(kOgg)->AudioChannel, 6);
    }

    void enableAudioSwitchesTheControls() {
        GetEncodingParams(kOgg)->EnableAudio = false;
        CAudioDlg page(kOgg);
        const QWidget* controls[] = {page.AudioTypeList(), page.ChannelModeList(),
                                     page.SampleRateList(), page.BitrateList(),
                                     page.VolumeTrackBar()};
        QVERIFY(!page.EnableAudioBox()->isChecked());
        for (const QWidget* control : controls)
            QVERIFY(!control->isEnabled());
        page.EnableAudioBox()->click();
        for (const QWidget* control : controls)
            QVERIFY(control->isEnabled());
        page.OnOK();
        QVERIFY(GetEncodingParams(kOgg)->EnableAudio);
    }
};

QTEST_MAIN(AudioPageTest)
#include "tst_audiodlg.moc"
