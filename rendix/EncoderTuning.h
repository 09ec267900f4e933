#pragma once

#include <string>
#include <utility>
#include <vector>

namespace rendix {

// How Rendix drives the encoders whose best rate control is a quality
// target (libx265, libvpx-vp9, libsvtav1, libaom-av1). For them -qscale, as
// for the MPEG-4 family, asks for constant quality: it picks the encoder's
// constant rate factor and the bit rate is not used (-b:v 0 in ffmpeg's
// words); -qscale 0 or none keeps coding at the -b rate.
struct EncoderTuning {
    int crf = -1; // -1: code at the bit rate
    // Private options for a usable speed and a quiet console.
    std::vector<std::pair<std::string, std::string>> options;
};

// Any other encoder gets crf -1 and no options. Call it before the encoder
// opens: for libsvtav1 it also quiets the library's console log.
EncoderTuning TuneEncoder(const std::string& encoder, double qscale);

} // namespace rendix
