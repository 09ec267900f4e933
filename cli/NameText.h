#pragma once

#include <cstddef>
#include <string>

namespace velmont::cli {

// File names are bytes: any but '/' and NUL. These turn them into text that
// is safe where it is shown.

// Length of the well-formed UTF-8 character at text[at], or 0 when the byte
// there starts none (a stray byte, an overlong or surrogate form).
std::size_t Utf8CharacterAt(const std::string& text, std::size_t at);

// For a terminal: control characters (C0, DEL, C1) and bytes that are not
// UTF-8 shown escaped ("\n", "\r", "\t", "\x1b"), never sent raw, so a
// name cannot move the cursor or retitle the terminal.
std::string PrintableText(const std::string& text);

// The text as a JSON string, quotes included, always valid UTF-8: a byte
// that is not part of a UTF-8 character becomes the escape "\udcXX" (XX
// its value), as Python's "surrogateescape" decodes file names, so a reader
// can get the exact bytes back.
std::string JsonString(const std::string& text);

} // namespace velmont::cli
