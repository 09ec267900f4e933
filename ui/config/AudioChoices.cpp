#include "ui/config/AudioChoices.h"

#include "model/Catalogue.h"
#include "model/EncodingParams.h"
#include <QCoreApplication>

namespace velmont {

namespace {

QString SampleRateText(int hz) {
    QString text = QString::asprintf("%d Hz", hz);
    if (hz == 24000)
        text += QStringLiteral(" - PSP");
    return text;
}

template <typename Rates> QStringList AmrBitrateTexts(const Rates& rates) {
    QStringList texts;
    for (double kbps : rates)
        texts << QString::asprintf("%.2f kbps", kbps);
    return texts;
}

} // namespace

AudioChoices AudioChoicesForCodec(int codecId) {
    AudioChoices choices;
    if (codecId == kAudioCodecAmrNb || codecId == kAudioCodecAmrWb) {
        const bool narrow = codecId == kAudioCodecAmrNb;
        choices.channelModes << QCoreApplication::translate("AudioChoices", "Mono");
        choices.sampleRates << SampleRateText(narrow ? kAmrNbSampleRateHz : kAmrWbSampleRateHz);
        choices.defaultSampleRate = 0;
        choices.bitrates =
            narrow ? AmrBitrateTexts(kAmrNbBitratesKbps) : AmrBitrateTexts(kAmrWbBitratesKbps);
        choices.defaultBitrate = static_cast<int>(choices.bitrates.size()) - 1;
        return choices;
    }
    // "Original" comes last, so the positions stored before it keep their
    // meaning.
    choices.channelModes << QCoreApplication::translate("AudioChoices", "Mono")
                         << QCoreApplication::translate("AudioChoices", "Stereo")
                         << QCoreApplication::translate("AudioChoices", "Original");
    for (int hz : kSampleRatesHz)
        choices.sampleRates << SampleRateText(hz);
    choices.sampleRates << QCoreApplication::translate("AudioChoices", "Original");
    choices.defaultSampleRate = 4; // 44100 Hz
    for (int kbps : kAudioBitratesKbps)
        choices.bitrates << QString::asprintf("%d kbps", kbps);
    choices.defaultBitrate = 6; // 128 kbps
    return choices;
}

int ChannelModePosition(int channels) {
    if (channels == kChannelsOriginal)
        return 2;
    return channels == 1 || channels == 2 ? channels - 1 : -1;
}

int ChannelCountAt(int position) {
    return position == 2 ? kChannelsOriginal : position + 1;
}

QString ChannelCountText(int channels) {
    return QCoreApplication::translate("AudioChoices", "%1 channels").arg(channels);
}

QString VolumeText(int position) {
    return QString::asprintf("%.1f%%", position * 0.390625);
}

} // namespace velmont
