#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace rendix {

// Longest tag text written, in bytes: every container holds it (FLV's
// metadata strings end at 64 KiB) and it is far beyond any real title.
constexpr std::size_t kMaxTagBytes = 1024;

// The command line's tag options (title, author, comment, album, track,
// year) as libavformat metadata keys for a container: author is the
// artist (AIFF keeps "author"), year is the date. Texts become valid UTF-8,
// as libavformat takes metadata to be, and are cut to kMaxTagBytes; each cut
// adds a line to notes.
std::vector<std::pair<std::string, std::string>>
ContainerTags(const std::string& muxer,
              const std::vector<std::pair<std::string, std::string>>& tags, std::string& notes);

} // namespace rendix
