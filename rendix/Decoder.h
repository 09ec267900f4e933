#pragma once

#include <string>

struct AVCodecContext;
struct AVStream;

namespace rendix {

// Opens a decoder for an input stream with as many threads as the machine
// offers, as the ffmpeg tool does. Null and an error text on failure.
AVCodecContext* OpenDecoder(const AVStream* stream, std::string& error);

} // namespace rendix
