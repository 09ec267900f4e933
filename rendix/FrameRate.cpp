#include "rendix/FrameRate.h"

#include <cmath>
#include <initializer_list>

extern "C" {
#include <libavutil/rational.h>
}

namespace rendix {

Rate RateFromDouble(double fps) {
    if (!(fps > 0))
        return {};
    for (int base : {15, 24, 30, 48, 60, 120}) {
        double ntsc = base * 1000.0 / 1001.0;
        if (std::fabs(fps - ntsc) < 0.006 * base / 30.0 + 0.004)
            return {base * 1000, 1001};
    }
    AVRational q = av_d2q(fps, 65535);
    return {q.num, q.den};
}

} // namespace rendix
