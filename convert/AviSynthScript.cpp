#include "convert/AviSynthScript.h"

#include "convert/FormatText.h"
#include "model/Catalogue.h"

#include <fstream>

namespace velmont {

namespace {

constexpr const char* kKeepRateTemplate = "# Generic File Input\r\n"
                                          "DirectShowSource(%s, 25, convertfps=true)\r\n"
                                          "ChangeFPS(23.98)\r\n"
                                          "return last\r\n";
constexpr const char* kSetRateTemplate = "# Generic File Input\r\n"
                                         "DirectShowSource(%s, %.3f, convertfps = true)\r\n"
                                         "ChangeFPS(%.3f)\r\n"
                                         "return last\r\n";

// A line break cannot stand in a plain string of the script's one-line
// call, so such a name goes in an escaped string (e"..."); every other
// name is written as it is.
std::string ScriptString(const std::string& path) {
    if (path.find_first_of("\r\n") == std::string::npos)
        return "\"" + path + "\"";
    std::string text = "e\"";
    for (const char c : path) {
        switch (c) {
        case '\n':
            text += "\\n";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\\':
        case '"':
            text += '\\';
            text += c;
            break;
        default:
            text += c;
        }
    }
    return text + "\"";
}

} // namespace

std::string FormatAviSynthScript(const std::string& inputPath, FormatId formatId,
                                 double frameRate) {
    if (IsVideoFormat(formatId) && frameRate > 0)
        return FormatText(kSetRateTemplate, ScriptString(inputPath).c_str(), frameRate, frameRate);
    return FormatText(kKeepRateTemplate, ScriptString(inputPath).c_str());
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return !file.fail();
}

} // namespace velmont
