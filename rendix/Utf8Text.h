#pragma once

#include <cstddef>
#include <string>

namespace rendix {

// The text with every byte that is not part of a valid UTF-8 sequence
// replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);

// The longest start of valid UTF-8 text that holds at most maxBytes bytes
// and ends between two characters.
std::string CutUtf8(const std::string& text, std::size_t maxBytes);

} // namespace rendix
