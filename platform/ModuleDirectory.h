#pragma once

#include <string>

namespace velmont {

// The platform's path separator, as a character and as a string.
inline constexpr char kPathSeparator = '/';
inline constexpr const char* kPathSeparatorString = "/";

// The folder of the running executable with a trailing separator, or the
// empty string when it cannot be found.
std::string GetModuleDirectory();

// Appends a separator unless the text is empty or already ends in one.
std::string WithTrailingSeparator(std::string directory);

} // namespace velmont
