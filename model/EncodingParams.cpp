#include "model/EncodingParams.h"

#include "platform/ModuleDirectory.h"
#include "platform/UserDirectories.h"

#include <array>

namespace velmont {

namespace {

struct FormatDefaults {
    int audioCodec;
    int videoCodec;
    int width;
    int height;
    bool amrAudio; // mono, 8000 Hz, 12.2 kbit/s
};

constexpr std::array<FormatDefaults, kFormatCount> kFormatDefaults = {{
    {11, -1, 0, 0, false},    // aac
    {1, -1, 0, 0, false},     // aiff
    {9, -1, 0, 0, true},      // amr
    {1, -1, 0, 0, false},     // au
    {8, -1, 0, 0, false},     // flac
    {11, -1, 0, 0, false},    // m4a
    {12, -1, 0, 0, false},    // mp2 (libmp3lame, as it always was)
    {12, -1, 0, 0, false},    // mp3
    {13, -1, 0, 0, false},    // ogg
    {3, -1, 0, 0, false},     // wav
    {17, -1, 0, 0, false},    // wma
    {9, 4, 176, 144, true},   // 3g2
    {9, 4, 176, 144, true},   // 3gp
    {12, 0, 0, 0, false},     // avi
    {11, 0, 320, 240, false}, // m4v
    {11, 0, 320, 240, false}, // mp4
    {19, 3, 0, 0, false},     // mpg
    {11, 0, 0, 0, false},     // mov
    {12, 6, 0, 0, false},     // flv
    {12, 6, 0, 0, false},     // swf
    {13, 1, 0, 0, false},     // nut
}};

struct ParamsTable {
    std::array<EncodingParams, kFormatCount> records;
    ParamsTable() {
        for (FormatId id = 0; id < kFormatCount; ++id)
            records[static_cast<std::size_t>(id)] = BuiltInDefaults(id);
    }
};

ParamsTable& Table() {
    static ParamsTable table;
    return table;
}

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
    record.OutputDir = DefaultOutputDirectory();
}

EncodingParams BuiltInDefaults(FormatId id) {
    EncodingParams record;
    ResetToDefaults(record);
    if (!IsValidFormat(id))
        return record;
    const FormatDefaults& defaults = kFormatDefaults[static_cast<std::size_t>(id)];
    record.AudioCodec = defaults.audioCodec;
    record.VideoCodec = defaults.videoCodec;
    record.Width = defaults.width;
    record.Height = defaults.height;
    if (defaults.amrAudio) {
        record.AudioChannel = 1;
        record.AudioSampleRate = 0;
        record.AudioBitrate = 7;
    }
    return record;
}

EncodingParams* GetEncodingParams(FormatId id) {
    if (!IsValidFormat(id))
        return nullptr;
    return &Table().records[static_cast<std::size_t>(id)];
}

void ResetAllEncodingParams() {
    for (FormatId id = 0; id < kFormatCount; ++id)
        *GetEncodingParams(id) = BuiltInDefaults(id);
}

} // namespace velmont
