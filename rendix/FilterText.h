#pragma once

#include "rendix/Geometry.h"

#include <string>

namespace rendix {

// Filter chain texts for libavfilter, kept apart so they can be checked
// without media.

// "atrim/trim" + "asetpts/setpts" for -ss/-t; empty when neither is given.
std::string TrimText(bool audio, double startSeconds, double durationSeconds);

struct AudioFilterRequest {
    double startSeconds = 0;
    double durationSeconds = 0;
    int volume = 256;
    std::string sampleFormats; // '|'-separated, empty = any
    int sampleRate = 0;
    std::string channelLayout;
};
std::string AudioFilterText(const AudioFilterRequest& request);

struct VideoFilterRequest {
    double startSeconds = 0;
    double durationSeconds = 0;
    Geometry geometry;
    std::string turn;    // filters that stand the picture as it is shown
    int sourceWidth = 0; // of the picture as shown
    int sourceHeight = 0;
    std::string pixelFormats; // '|'-separated, empty = any
    int rateNum = 0, rateDen = 1;
    int aspectNum = 0, aspectDen = 1; // display aspect, 0 = keep
};
std::string VideoFilterText(const VideoFilterRequest& request);

} // namespace rendix
