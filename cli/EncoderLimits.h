#pragma once

#include <string>
#include <vector>

namespace velmont::cli {

// What an audio encoder takes, so that a value it cannot take is refused
// before anything runs rather than changed by the encoder on its own.
struct AudioEncoderLimits {
    int lowestKbps = 8;
    int highestKbps = 320;
    std::vector<int> sampleRates; // the rates it takes; empty = any in the range
    int lowestRate = 8000;
    int highestRate = 192000;
    int highestChannels = 8;
};

// For a codec name as the formats name it (libfaac, vorbis, flac, ...);
// the encoder's own lists where libavcodec gives them.
AudioEncoderLimits AudioLimitsOf(const std::string& codecName);

} // namespace velmont::cli
