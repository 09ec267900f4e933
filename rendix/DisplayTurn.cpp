#include "rendix/DisplayTurn.h"

#include <cmath>
#include <cstdint>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/display.h>
}

namespace rendix {

int DisplayTurnDegrees(const AVStream* stream) {
    const auto* matrix = reinterpret_cast<const std::int32_t*>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (!matrix)
        return 0;
    // The matrix gives the turn counterclockwise; anything between the
    // quarter turns is taken to the nearest one.
    const double counterclockwise = av_display_rotation_get(matrix);
    if (std::isnan(counterclockwise))
        return 0;
    const long quarters = std::lround(-counterclockwise / 90.0);
    return static_cast<int>(((quarters % 4) + 4) % 4) * 90;
}

const char* TurnFilterText(int clockwiseDegrees) {
    switch (clockwiseDegrees) {
    case 90:
        return "transpose=clock";
    case 180:
        return "hflip,vflip";
    case 270:
        return "transpose=cclock";
    default:
        return "";
    }
}

} // namespace rendix
