#pragma once

#include <string>

namespace velmont {

// Wraps a text in double quotes so that the process layer's command-line
// splitter gives it back as one argument, unchanged. A quote inside the text
// gets a backslash; backslashes right before a quote (the closing one
// included) are doubled. Texts without quotes or trailing backslashes come
// out as the plain quoted text.
std::string QuoteArgument(const std::string& text);

} // namespace velmont
