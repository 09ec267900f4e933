#pragma once

#include <optional>
#include <string>

namespace velmont {

// --help and --version are answered before Qt starts, so they work without
// a display and never become rows of the list. The text to print, or
// nothing when the window should open. Arguments after "--" are files.
std::optional<std::string> InfoRequested(int argc, char** argv);

} // namespace velmont
