#include "cli/EncoderLimits.h"

#include "rendix/CodecNames.h"

#include <algorithm>
#include <map>
#include <utility>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace velmont::cli {

namespace {

// Bit rates (kbit/s) the encoders accept; libavcodec does not say. A
// lossless encoder ignores the bit rate.
std::pair<int, int> BitrateRangeOf(const std::string& encoder) {
    static const std::map<std::string, std::pair<int, int>> ranges = {
        {"libmp3lame", {8, 320}}, {"aac", {8, 512}},    {"libvorbis", {32, 500}},
        {"mp2", {32, 384}},       {"wmav1", {24, 320}}, {"wmav2", {24, 320}},
        {"libopus", {6, 510}},    {"ac3", {32, 640}},   {"flac", {8, 640}}};
    const auto found = ranges.find(encoder);
    if (found != ranges.end())
        return found->second;
    return encoder.starts_with("pcm_") ? std::pair{8, 640} : std::pair{8, 320};
}

void ReadEncoderLists(const AVCodec* codec, AudioEncoderLimits& limits) {
    for (const int* rate = codec->supported_samplerates; rate && *rate; ++rate)
        if (*rate <= limits.highestRate)
            limits.sampleRates.push_back(*rate);
    std::sort(limits.sampleRates.begin(), limits.sampleRates.end());
    int channels = 0;
    for (const AVChannelLayout* layout = codec->ch_layouts; layout && layout->nb_channels; ++layout)
        channels = std::max(channels, layout->nb_channels);
    if (channels > 0)
        limits.highestChannels = std::min(channels, limits.highestChannels);
}

} // namespace

AudioEncoderLimits AudioLimitsOf(const std::string& codecName) {
    AudioEncoderLimits limits;
    rendix::AudioEncoderChoice choice;
    if (!rendix::ResolveAudioEncoder(codecName, choice) ||
        choice.kind != rendix::AudioEncoderKind::Library)
        return limits;
    std::tie(limits.lowestKbps, limits.highestKbps) = BitrateRangeOf(choice.libraryName);
    // Windows Media Audio holds stereo at most and up to 48000 Hz; the
    // encoder does not list either.
    if (choice.libraryName.starts_with("wmav")) {
        limits.highestRate = 48000;
        limits.highestChannels = 2;
    }
    if (const AVCodec* codec = avcodec_find_encoder_by_name(choice.libraryName.c_str()))
        ReadEncoderLists(codec, limits);
    return limits;
}

} // namespace velmont::cli
