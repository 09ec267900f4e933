#include "model/ParamElementNames.h"

#include <cctype>

namespace velmont {

namespace {

constexpr std::string_view kDigitNamePrefix = "velmont-digit-";

} // namespace

std::string ParsableName(const char* name) {
    if (std::isdigit(static_cast<unsigned char>(name[0])))
        return std::string(kDigitNamePrefix) + name;
    return name;
}

std::string WithParsableElementNames(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 64);
    std::size_t i = 0;
    const auto copyThrough = [&](std::string_view end) {
        const std::size_t stop = text.find(end, i);
        const std::size_t next = stop == std::string_view::npos ? text.size() : stop + end.size();
        out.append(text.substr(i, next - i));
        i = next;
    };
    while (i < text.size()) {
        if (text[i] != '<') {
            out += text[i++];
            continue;
        }
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("<!--")) {
            copyThrough("-->");
        } else if (rest.starts_with("<![CDATA[")) {
            copyThrough("]]>");
        } else if (rest.starts_with("<?")) {
            copyThrough("?>");
        } else if (rest.starts_with("<!")) {
            copyThrough(">");
        } else {
            out += text[i++];
            if (i < text.size() && text[i] == '/')
                out += text[i++];
            if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
                out += kDigitNamePrefix;
            char quote = 0;
            while (i < text.size()) {
                const char c = text[i++];
                out += c;
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
        }
    }
    return out;
}

std::string WithOriginalElementNames(std::string_view printed) {
    std::string out(printed);
    for (const std::string tag : {"<", "</"}) {
        const std::string prefixed = tag + std::string(kDigitNamePrefix);
        for (std::size_t at = out.find(prefixed); at != std::string::npos;
             at = out.find(prefixed, at + tag.size()))
            out.replace(at, prefixed.size(), tag);
    }
    return out;
}

} // namespace velmont
