#pragma once

#include <string>

namespace rendix {

enum class AudioEncoderKind { Library, AmrNarrowBand, AmrWideBand };

struct AudioEncoderChoice {
    AudioEncoderKind kind = AudioEncoderKind::Library;
    std::string libraryName; // libavcodec encoder name for Library
};

// Maps the converter's codec names (libfaac, vorbis, libamr_nb, ...) and
// libavcodec's own names to an encoder. False for names nobody knows.
bool ResolveAudioEncoder(const std::string& name, AudioEncoderChoice& choice);

// libavcodec encoder name for a video codec name; empty when unknown.
std::string ResolveVideoEncoder(const std::string& name);

// libavformat muxer name for a container name (libnut -> nut); empty when
// libavformat has no such muxer.
std::string ResolveMuxerName(const std::string& name);

} // namespace rendix
