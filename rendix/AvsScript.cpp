#include "rendix/AvsScript.h"

#include "rendix/RegularFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace rendix {

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The text of an escaped string (e"..."): \n and \r are line breaks; any
// other escaped character (a quote, a backslash) stands for itself.
std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

// The source path of the first call, plain ("...") or escaped (e"...").
// A plain path is written unescaped, so it runs to the last quote that is
// followed by the rate argument.
bool MatchSource(const std::string& line, std::string& path, std::smatch& m) {
    static const std::regex plain(
        R"re(^DirectShowSource\("(.*)",\s*([0-9]+(\.[0-9]+)?)\s*,\s*convertfps\s*=\s*true\s*\)$)re",
        std::regex::icase);
    static const std::regex escaped(
        R"re(^DirectShowSource\(e"((?:[^"\\]|\\.)*)",\s*([0-9]+(\.[0-9]+)?)\s*,\s*convertfps\s*=\s*true\s*\)$)re",
        std::regex::icase);
    if (std::regex_match(line, m, escaped)) {
        path = Unescape(m[1].str());
        return true;
    }
    if (!std::regex_match(line, m, plain))
        return false;
    path = m[1].str();
    return true;
}

} // namespace

AvsParseResult ParseAvsScript(const std::string& text) {
    AvsParseResult result;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        lines.push_back(line);
    }

    static const std::regex change(R"re(^ChangeFPS\(\s*([0-9]+(\.[0-9]+)?)\s*\)$)re",
                                   std::regex::icase);

    std::smatch m;
    if (lines.size() != 3 || !MatchSource(lines[0], result.script.sourcePath, m)) {
        result.error = "Unsupported AviSynth script: only DirectShowSource/ChangeFPS wrappers "
                       "are understood";
        return result;
    }
    std::smatch r;
    if (!std::regex_match(lines[1], r, change) || Lower(lines[2]) != "return last") {
        result.error = "Unsupported AviSynth script: only DirectShowSource/ChangeFPS wrappers "
                       "are understood";
        return result;
    }
    double rate = std::strtod(r[1].str().c_str(), nullptr);
    if (!(rate > 0.5 && rate <= 1000) || result.script.sourcePath.empty()) {
        result.error = "Unsupported AviSynth script: bad source or frame rate";
        return result;
    }
    result.script.frameRate = rate;
    result.ok = true;
    return result;
}

AvsParseResult ReadAvsScript(const std::string& path) {
    AvsParseResult result;
    const int fd = OpenRegularFile(path, result.error);
    if (fd < 0)
        return result;
    constexpr std::size_t kLongest = 65536;
    std::string text;
    char buffer[8192];
    ssize_t n = 0;
    while (text.size() <= kLongest && (n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno != EINTR)
            break;
        text.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
    }
    ::close(fd);
    if (n < 0)
        result.error = path + ": " + std::strerror(errno);
    else if (text.size() > kLongest)
        result.error = path + ": Unsupported AviSynth script: too long";
    else if (result = ParseAvsScript(text); !result.ok)
        result.error = path + ": " + result.error;
    return result;
}

bool HasAvsExtension(const std::string& path) {
    auto slash = path.find_last_of('/');
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    return Lower(path.substr(dot)) == ".avs";
}

} // namespace rendix
