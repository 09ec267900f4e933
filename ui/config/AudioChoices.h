#pragma once

#include <QString>
#include <QStringList>

namespace velmont {

// What the audio page offers for one codec. The AMR codecs have lists of
// their own; every other codec, and no codec at all, gets the general ones.
struct AudioChoices {
    QStringList channelModes; // see ChannelModePosition
    QStringList sampleRates;
    int defaultSampleRate = 0;
    QStringList bitrates;
    int defaultBitrate = 0;
};

AudioChoices AudioChoicesForCodec(int codecId);

// Channel modes list Mono, Stereo, then "Original" (the record's channel
// count 0, the source's own). The position of a count, -1 when the list
// cannot show it; and the count of a position.
int ChannelModePosition(int channels);
int ChannelCountAt(int position);
// How a count the list has no entry for (more than two) is shown.
QString ChannelCountText(int channels);

// The text beside the volume track bar: 256 reads "100.0%".
QString VolumeText(int position);

inline constexpr int kVolumeMax = 512;
inline constexpr int kVolumePageSize = 25;
inline constexpr int kVolumeLineSize = 2;

} // namespace velmont
