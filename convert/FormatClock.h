#pragma once

#include <string>

namespace velmont {

// A span of time as a person reads it: "0:42", "12:05", "1:02:03".
std::string FormatClock(double seconds);

} // namespace velmont
