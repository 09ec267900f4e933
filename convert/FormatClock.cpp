#include "convert/FormatClock.h"

#include "convert/FormatText.h"

#include <algorithm>

namespace velmont {

std::string FormatClock(double seconds) {
    const long total = std::max(0L, static_cast<long>(seconds + 0.5));
    if (total >= 3600)
        return FormatText("%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    return FormatText("%ld:%02ld", total / 60, total % 60);
}

} // namespace velmont
