#pragma once

#include <string>

struct AVFormatContext;

namespace rendix {

// Gives the output the source's chapters with their titles, moved to the
// output's time line (less the skipped start, cut at the length asked for).
// Ogg and FLAC get them as CHAPTERnnn comments of the sound (audioIndex);
// containers that keep no chapters leave them out when writing.
bool CopyChapters(const AVFormatContext* in, AVFormatContext* out, const std::string& muxer,
                  int audioIndex, double startSeconds, double durationSeconds, std::string& error);

} // namespace rendix
