#include "convert/ResultLine.h"

namespace velmont {

namespace {

constexpr const char* kLineBreaks = "\r\n";
constexpr const char* kErrorStart = "Error: ";

} // namespace

std::string LastLineOf(const std::string& text) {
    const std::size_t end = text.find_last_not_of("\r\n \t");
    if (end == std::string::npos)
        return {};
    const std::size_t breakBefore = text.find_last_of(kLineBreaks, end);
    const std::size_t start = breakBefore == std::string::npos ? 0 : breakBefore + 1;
    return text.substr(start, end - start + 1);
}

std::string ErrorLineOf(const std::string& text) {
    for (std::size_t at = text.rfind(kErrorStart); at != std::string::npos;
         at = at == 0 ? std::string::npos : text.rfind(kErrorStart, at - 1)) {
        if (at > 0 && text[at - 1] != '\n' && text[at - 1] != '\r')
            continue;
        const std::size_t end = text.find_first_of(kLineBreaks, at);
        return text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    }
    return LastLineOf(text);
}

} // namespace velmont
