#pragma once

#include <QString>
#include <QStringList>

namespace velmont {

// What the audio page offers for one codec. The AMR codecs have lists of
// their own; every other codec, and no codec at all, gets the general ones.
struct AudioChoices {
    QStringList channelModes; // position p stands for p + 1 channels
    QStringList sampleRates;
    int defaultSampleRate = 0;
    QStringList bitrates;
    int defaultBitrate = 0;
};

AudioChoices AudioChoicesForCodec(int codecId);

// The text beside the volume track bar: 256 reads "100.0%".
QString VolumeText(int position);

inline constexpr int kVolumeMax = 512;
inline constexpr int kVolumePageSize = 25;
inline constexpr int kVolumeLineSize = 2;

} // namespace velmont
