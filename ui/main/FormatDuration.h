#pragma once

#include <cstdint>
#include <string>

namespace velmont {

// "hh:mm:ss" for a length in seconds (hours not limited to two digits);
// "--:--:--" for kUnknownDuration.
std::string FormatDuration(std::int32_t seconds);

} // namespace velmont
