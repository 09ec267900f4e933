#include "model/EncodingParams.h"

#include "model/Catalogue.h"
#include "platform/ModuleDirectory.h"
#include "platform/UserDirectories.h"

#include <array>

namespace velmont {

namespace {

// What a format sets beyond the common defaults (positions as in the value
// lists of EncodingParams.h).
struct FormatDefaults {
    int audioCodec;
    int videoCodec = -1;
    int width = 0;
    int height = 0;
    int channels = 2;
    int sampleRate = 4;   // 44100 Hz
    int audioBitrate = 6; // 128 kbit/s
    int videoBitrate = 7; // 768 kbit/s
};

// A lossless copy keeps the source's rate and channels: resampling or
// downmixing it would lose what the format is chosen to keep.
constexpr FormatDefaults Lossless(int audioCodec) {
    return {.audioCodec = audioCodec,
            .channels = kChannelsOriginal,
            .sampleRate = kSampleRateOriginalPosition};
}

// Mono, 8000 Hz, 12.2 kbit/s.
constexpr FormatDefaults Amr(int videoCodec = -1, int width = 0, int height = 0) {
    return {kAudioCodecAmrNb, videoCodec, width, height, 1, 0, 7};
}

constexpr std::array<FormatDefaults, kFormatCount> kFormatDefaults = {{
    {11},              // aac
    Lossless(1),       // aiff
    Amr(),             // amr
    Lossless(1),       // au
    Lossless(8),       // flac
    {11},              // m4a
    {12},              // mp2 (libmp3lame: the mp2 encoder is the second choice)
    {12},              // mp3
    {13},              // ogg
    Lossless(3),       // wav
    {17},              // wma
    Amr(4, 176, 144),  // 3g2
    Amr(4, 176, 144),  // 3gp
    {12, 0},           // avi
    {11, 0, 320, 240}, // m4v
    {11, 0, 320, 240}, // mp4
    {19, 3},           // mpg
    {11, 0},           // mov
    {12, 6},           // flv
    {12, 6},           // swf
    {13, 1},           // nut
    // opus: 128 kbit/s at 48000 Hz, the rate Opus codes at.
    {.audioCodec = kAudioCodecOpus, .sampleRate = 5},
    // webm: VP9 at constant quality (the quantizer scale is its quality; the
    // bit rate counts only with the quantizer at 0) with Opus.
    {.audioCodec = kAudioCodecOpus,
     .videoCodec = kVideoCodecVp9,
     .sampleRate = 5,
     .videoBitrate = 10},
    // mkv: H.264 at 2048 kbit/s with AAC at 48000 Hz.
    {.audioCodec = 11, .videoCodec = 0, .sampleRate = 5, .videoBitrate = 10},
}};
} // namespace

// A portable copy converts into its own folder. An installed one (under
// /usr, or in a folder the user cannot write) converts into the user's
// music folder instead; the engine makes the folder on first use.
std::string DefaultOutputDirectory() {
    static const std::string directory = [] {
        const std::string program = GetModuleDirectory();
        if (!program.starts_with("/usr/") && IsWritableDirectory(program))
            return program + "output";
        return UserMusicDirectory() + "Velmont Converter";
    }();
    return directory;
}

void ResetToDefaults(EncodingParams& record) {
    record = EncodingParams{};
    record.outputDir = DefaultOutputDirectory();
}

EncodingParams BuiltInDefaults(FormatId id) {
    EncodingParams record;
    ResetToDefaults(record);
    if (!IsValidFormat(id))
        return record;
    const FormatDefaults& defaults = kFormatDefaults[static_cast<std::size_t>(id)];
    record.audioCodecIndex = defaults.audioCodec;
    record.videoCodecIndex = defaults.videoCodec;
    record.width = defaults.width;
    record.height = defaults.height;
    record.audioChannels = defaults.channels;
    record.audioSampleRateIndex = defaults.sampleRate;
    record.audioBitrateIndex = defaults.audioBitrate;
    record.videoBitrateIndex = defaults.videoBitrate;
    return record;
}

} // namespace velmont
