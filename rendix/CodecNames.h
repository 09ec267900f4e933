#pragma once

#include <string>

namespace rendix {

enum class AudioEncoderKind { Library, AmrNarrowBand, AmrWideBand };

struct AudioEncoderChoice {
    AudioEncoderKind kind = AudioEncoderKind::Library;
    std::string libraryName; // libavcodec encoder name for Library
};

// Maps the converter's codec names (libfaac, vorbis, libamr_nb, opus, ...) and
// libavcodec's own names to an encoder. False for names nobody knows.
bool ResolveAudioEncoder(const std::string& name, AudioEncoderChoice& choice);

// libavcodec encoder name for a video codec name (also xvid, hevc, h265,
// vp9 and av1); empty when unknown.
std::string ResolveVideoEncoder(const std::string& name);

// libavformat muxer name for a container name (libnut -> nut, mkv ->
// matroska); empty when libavformat has no such muxer.
std::string ResolveMuxerName(const std::string& name);

} // namespace rendix
