#include "convert/KnownInputExtensions.h"

#include "model/MediaFolder.h"
#include "platform/ModuleDirectory.h"

#include <algorithm>
#include <cctype>

namespace velmont {

std::string PathExtension(const std::string& path) {
    const std::size_t nameStart = path.find_last_of(kPathSeparator);
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return {};
    return path.substr(dot);
}

bool IsKnownInputExtension(std::string_view extension) {
    const auto equalIgnoringCase = [extension](std::string_view known) {
        return std::equal(known.begin(), known.end(), extension.begin(), extension.end(),
                          [](char a, char b) {
                              return std::tolower(static_cast<unsigned char>(a)) ==
                                     std::tolower(static_cast<unsigned char>(b));
                          });
    };
    const std::vector<std::string>& more = MoreMediaExtensions();
    return !extension.empty() && (std::any_of(kKnownInputExtensions.begin(),
                                              kKnownInputExtensions.end(), equalIgnoringCase) ||
                                  std::any_of(more.begin(), more.end(), equalIgnoringCase));
}

} // namespace velmont
