#include "rendix/EncoderTuning.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rendix {

namespace {

// The quality scale runs 1 (best) .. 31; 4, the converter's default, lands
// on the crf each encoder's authors suggest for everyday use, and every step
// moves it by about the same visible amount.
struct QualityScale {
    const char* encoder;
    int crfAtFour;
    int crfPerStep;
    int lowest, highest;
};

constexpr QualityScale kScales[] = {
    {"libx265", 28, 2, 0, 51},
    {"libvpx-vp9", 31, 3, 0, 63},
    {"libsvtav1", 35, 3, 1, 63},
    {"libaom-av1", 32, 3, 0, 63},
};

std::vector<std::pair<std::string, std::string>> SpeedOptions(const std::string& encoder) {
    if (encoder == "libx265") // x265 writes its own log lines to the console otherwise
        return {{"preset", "fast"}, {"x265-params", "log-level=error"}};
    if (encoder == "libvpx-vp9")
        return {{"deadline", "good"}, {"cpu-used", "4"}, {"row-mt", "1"}};
    if (encoder == "libsvtav1") // see bench/av1_speed.sh
        return {{"preset", "8"}};
    if (encoder == "libaom-av1")
        return {{"cpu-used", "8"}, {"row-mt", "1"}};
    return {};
}

} // namespace

EncoderTuning TuneEncoder(const std::string& encoder, double qscale) {
    // SVT-AV1 takes its log level from the environment only; errors still
    // show.
    if (encoder == "libsvtav1")
        ::setenv("SVT_LOG", "1", 0);
    EncoderTuning tuning;
    tuning.options = SpeedOptions(encoder);
    if (qscale <= 0)
        return tuning;
    for (const QualityScale& scale : kScales) {
        if (encoder != scale.encoder)
            continue;
        const long crf = std::lround(scale.crfAtFour + (qscale - 4) * scale.crfPerStep);
        tuning.crf = static_cast<int>(std::clamp<long>(crf, scale.lowest, scale.highest));
    }
    return tuning;
}

} // namespace rendix
