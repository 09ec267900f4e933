#pragma once

#include <string>
#include <utility>
#include <vector>

struct AVFormatContext;

namespace rendix {

using Tags = std::vector<std::pair<std::string, std::string>>;

// The source's tags users sort by, under libavformat's names (title,
// artist, album, comment, track, date, genre, album_artist, disc,
// composer): from the container, else from the sound stream that is
// converted, never from a picture's or a video track's own names. Ogg's
// separate totals join their numbers ("3" and "12" give "3/12").
Tags ReadSourceTags(const AVFormatContext* in, int audioStream);

// What to write: the command line's tags (title, author, comment, album,
// track, year), a number among them taking the source's fuller text when
// that text starts with it ("3" -> "3/12", "2007" -> "2007-05-01"); then the
// source's tags that the command line has no option for.
Tags CarriedTags(const Tags& commandLine, const Tags& source);

} // namespace rendix
