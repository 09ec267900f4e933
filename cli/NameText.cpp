#include "cli/NameText.h"

#include <cstdio>

namespace velmont::cli {

namespace {

unsigned char ByteAt(const std::string& text, std::size_t at) {
    return at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

std::string Escaped(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A C1 control character (U+0080..U+009F) starts with 0xC2 0x80..0x9F.
bool IsC1Control(const std::string& text, std::size_t at) {
    return ByteAt(text, at) == 0xC2 && ByteAt(text, at + 1) < 0xA0;
}

} // namespace

std::size_t Utf8CharacterAt(const std::string& text, std::size_t at) {
    const unsigned char lead = ByteAt(text, at);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!IsContinuation(ByteAt(text, at + i)))
            return 0;
    const unsigned char second = ByteAt(text, at + 1);
    // Overlong three- and four-byte forms, surrogates, beyond U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

std::string PrintableText(const std::string& text) {
    std::string shown;
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char byte = ByteAt(text, at);
        const std::size_t length = Utf8CharacterAt(text, at);
        if (length > 0 && byte >= 0x20 && byte != 0x7F && !IsC1Control(text, at)) {
            shown.append(text, at, length);
            at += length;
            continue;
        }
        shown += byte == '\n'   ? std::string("\\n")
                 : byte == '\r' ? std::string("\\r")
                 : byte == '\t' ? std::string("\\t")
                                : Escaped("\\x%02x", byte);
        ++at;
    }
    return shown;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char byte = ByteAt(text, at);
        const std::size_t length = Utf8CharacterAt(text, at);
        if (length == 0)
            out += Escaped("\\udc%02x", byte);
        else if (byte == '"' || byte == '\\')
            out += std::string("\\") + char(byte);
        else if (byte < 0x20 || byte == 0x7F)
            out += Escaped("\\u%04x", byte);
        else
            out.append(text, at, length);
        at += length == 0 ? 1 : length;
    }
    return out + "\"";
}

} // namespace velmont::cli
