#include "convert/ArgumentQuoting.h"

#include <cstddef>

namespace velmont {

std::string QuoteArgument(const std::string& text) {
    std::string quoted = "\"";
    std::size_t pendingBackslashes = 0;
    for (const char c : text) {
        if (c == '\\') {
            ++pendingBackslashes;
            continue;
        }
        if (c == '"') {
            // 2n+1 backslashes before a quote read back as n backslashes
            // and a literal quote.
            quoted.append(pendingBackslashes * 2 + 1, '\\');
        } else {
            quoted.append(pendingBackslashes, '\\');
        }
        pendingBackslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote must not escape it.
    quoted.append(pendingBackslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

} // namespace velmont
