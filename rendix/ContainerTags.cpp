#include "rendix/ContainerTags.h"

#include "rendix/Utf8Text.h"

namespace rendix {

std::vector<std::pair<std::string, std::string>>
ContainerTags(const std::string& muxer,
              const std::vector<std::pair<std::string, std::string>>& tags, std::string& notes) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [name, value] : tags) {
        if (value.empty())
            continue;
        std::string key = name;
        if (name == "author")
            key = muxer == "aiff" ? "author" : "artist";
        else if (name == "year")
            key = "date";
        std::string text = ValidUtf8(value);
        if (text.size() > kMaxTagBytes) {
            text = CutUtf8(text, kMaxTagBytes);
            notes += "Warning: the " + name + " tag was cut to its first " +
                     std::to_string(text.size()) + " bytes\n";
        }
        out.emplace_back(key, text);
    }
    return out;
}

} // namespace rendix
