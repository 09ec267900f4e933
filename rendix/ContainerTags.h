#pragma once

#include <string>
#include <utility>
#include <vector>

namespace rendix {

// The command line's tag options (title, author, comment, album, track,
// year) as libavformat metadata keys for a container: author is the
// artist (AIFF keeps "author"), year is the date.
std::vector<std::pair<std::string, std::string>>
ContainerTags(const std::string& muxer,
              const std::vector<std::pair<std::string, std::string>>& tags);

} // namespace rendix
