#pragma once

#include <string>

namespace velmont {

// The one line that tells why a run failed: the encoder's last "Error: "
// line, or the last line written when it printed none. Library warnings
// that follow the error (a muxer closing on a full disk) do not hide it.
std::string ErrorLineOf(const std::string& text);

// The last non-blank line of text, without its line break.
std::string LastLineOf(const std::string& text);

} // namespace velmont
