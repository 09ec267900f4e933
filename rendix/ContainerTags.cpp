#include "rendix/ContainerTags.h"

namespace rendix {

std::vector<std::pair<std::string, std::string>>
ContainerTags(const std::string& muxer,
              const std::vector<std::pair<std::string, std::string>>& tags) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [name, value] : tags) {
        if (value.empty())
            continue;
        std::string key = name;
        if (name == "author")
            key = muxer == "aiff" ? "author" : "artist";
        else if (name == "year")
            key = "date";
        out.emplace_back(key, value);
    }
    return out;
}

} // namespace rendix
