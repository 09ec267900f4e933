#pragma once

#include <string>

namespace velmont {

// printf-style formatting into a string as long as the text needs, so a long
// path is never cut off.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace velmont
