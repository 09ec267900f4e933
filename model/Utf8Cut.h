#pragma once

#include <string>

namespace velmont {

// The text cut to at most maxBytes without cutting a UTF-8 character in
// two. Header-only: the encoder program uses it too.
inline std::string CutUtf8(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace velmont
