#include "model/Catalogue.h"

namespace velmont {

const std::array<const char*, kAudioCodecCount> kAudioCodecNames = {
    "ac3",      "pcm_s16be", "pcm_s8",    "pcm_s16le", "pcm_s32be", "pcm_s24be",  "pcm_mulaw",
    "pcm_alaw", "flac",      "libamr_nb", "libamr_wb", "libfaac",   "libmp3lame", "vorbis",
    "pcm_u8",   "pcm_s24le", "pcm_s32le", "wmav2",     "wmav1",     "mp2",        "libopus"};

const std::array<const char*, kAudioDisplayCount> kAudioDisplayNames = {"raw ac3",
                                                                        "pcm_s16be,audio/aiff",
                                                                        "pcm_s16be,AU Format",
                                                                        "pcm_s8,audio/aiff",
                                                                        "pcm_s16le,audio/aiff",
                                                                        "pcm_s16le wave",
                                                                        "pcm_s32be,audio/aiff",
                                                                        "pcm_s24be,audio/aiff",
                                                                        "pcm_mulaw,AU Format",
                                                                        "pcm_alaw,AU Format",
                                                                        "raw flac",
                                                                        "arm_nb,audio/amr",
                                                                        "arm_wb,audio/amr",
                                                                        "ADTS AAC",
                                                                        "mpeg audio layer 3",
                                                                        "mpeg audio layer 2",
                                                                        "Ogg Vorbis",
                                                                        "flac",
                                                                        "pcm_u8 wave",
                                                                        "pcm_s24le wave",
                                                                        "pcm s32le wave",
                                                                        "Windows Media Audio V8",
                                                                        "Windows Media Audio V7",
                                                                        "Opus",
                                                                        "AAC",
                                                                        "AC-3",
                                                                        "FLAC",
                                                                        "Vorbis"};

const std::array<const char*, kVideoCodecCount> kVideoCodecNames = {
    "libx264", "mpeg4", "msmpeg4", "mpeg1video", "h263",
    "h263p",   "flv",   "libx265", "libvpx-vp9", "libsvtav1"};

const std::array<const char*, kVideoCodecCount> kVideoDisplayNames = {
    "AVC MPEG-4", "MPEG-4 (DivX 4/5)", "DivX 3",     "mpeg-1 video", "H.263",
    "H.263+",     "video/x-flv",       "HEVC H.265", "VP9",          "AV1"};

namespace {

template <typename Table> std::string NameAt(const Table& table, int id) {
    if (id < 0 || id >= static_cast<int>(table.size()))
        return {};
    return table[static_cast<std::size_t>(id)];
}

struct Pair {
    int codec;
    int display;
};
constexpr Pair kNone{-1, -1};

// Everything fixed about one output format.
struct FormatInfo {
    std::string muxer; // passed with -f; empty for wav
    bool video = false;
    std::vector<CatalogueEntry> entries;
};

FormatInfo Format(const char* extension, const char* muxer,
                  std::initializer_list<std::pair<Pair, Pair>> pairs) {
    FormatInfo info{muxer, false, {}};
    for (const auto& [audio, video] : pairs) {
        info.entries.push_back({extension, audio.codec, audio.display, video.codec, video.display});
        info.video = info.video || video.codec >= 0;
    }
    return info;
}

std::array<FormatInfo, kFormatCount> BuildFormatTable() {
    constexpr Pair aac{11, 13}, amrNb{9, 11}, amrWb{10, 12}, mp3{12, 14}, layer2{19, 15},
        vorbis{13, 16};
    constexpr Pair opus{kAudioCodecOpus, 23}, mkvAac{11, 24}, mkvAc3{0, 25}, mkvFlac{8, 26},
        mkvVorbis{13, 27};
    constexpr Pair h264{0, 0}, mpeg4{1, 1}, h263{4, 4}, h263p{5, 5}, flv{6, 6};
    constexpr Pair h265{kVideoCodecH265, kVideoCodecH265}, vp9{kVideoCodecVp9, kVideoCodecVp9},
        av1{kVideoCodecAv1, kVideoCodecAv1};
    return {{
        Format(".aac", "adts", {{aac, kNone}}),
        Format(
            ".aiff", "aiff",
            {{{1, 1}, kNone}, {{2, 3}, kNone}, {{3, 4}, kNone}, {{4, 6}, kNone}, {{5, 7}, kNone}}),
        Format(".amr", "amr", {{amrNb, kNone}, {amrWb, kNone}}),
        Format(".au", "au", {{{1, 2}, kNone}, {{6, 8}, kNone}, {{7, 9}, kNone}}),
        Format(".flac", "flac", {{{8, 10}, kNone}}),
        Format(".m4a", "mp4", {{aac, kNone}}),
        Format(".mp2", "mp2", {{{12, 15}, kNone}}),
        Format(".mp3", "mp3", {{mp3, kNone}}),
        Format(".ogg", "ogg", {{vorbis, kNone}, {{8, 17}, kNone}}),
        Format(".wav", "",
               {{{3, 5}, kNone}, {{14, 18}, kNone}, {{15, 19}, kNone}, {{16, 20}, kNone}}),
        Format(".wma", "asf", {{{17, 21}, kNone}, {{18, 22}, kNone}}),
        Format(".3g2", "3g2", {{amrNb, h263}}),
        Format(".3gp", "3gp",
               {{aac, h264},
                {aac, mpeg4},
                {amrNb, h263},
                {amrWb, h263},
                {amrNb, h263p},
                {amrWb, h263p}}),
        Format(".avi", "avi", {{mp3, h264}, {mp3, mpeg4}, {layer2, h264}, {layer2, mpeg4}}),
        Format(".m4v", "mp4", {{aac, h264}, {aac, mpeg4}}),
        Format(".mp4", "mp4", {{aac, h264}, {aac, mpeg4}}),
        Format(".mpg", "mpeg", {{layer2, {3, 3}}}),
        Format(".mov", "mov", {{aac, h264}, {aac, mpeg4}}),
        Format(".flv", "flv", {{mp3, flv}}),
        Format(".swf", "swf", {{mp3, flv}}),
        Format(".nut", "libnut", {{vorbis, mpeg4}}),
        // Opus in Ogg, the Ogg muxer's Opus mapping.
        Format(".opus", "ogg", {{opus, kNone}}),
        Format(".webm", "webm", {{opus, vp9}, {mkvVorbis, av1}}),
        Format(".mkv", "matroska",
               {{mkvAac, h264}, {mkvFlac, h265}, {opus, vp9}, {mkvVorbis, av1}, {mkvAc3, h264}}),
    }};
}

const FormatInfo* GetFormatInfo(FormatId id) {
    static const std::array<FormatInfo, kFormatCount> table = BuildFormatTable();
    return IsValidFormat(id) ? &table[static_cast<std::size_t>(id)] : nullptr;
}

} // namespace

std::string AudioCodecName(int id) {
    return NameAt(kAudioCodecNames, id);
}
std::string AudioDisplayName(int id) {
    return NameAt(kAudioDisplayNames, id);
}
std::string VideoCodecName(int id) {
    return NameAt(kVideoCodecNames, id);
}
std::string VideoDisplayName(int id) {
    return NameAt(kVideoDisplayNames, id);
}

bool IsLosslessAudioCodec(int id) {
    const std::string name = AudioCodecName(id);
    return name == "flac" || name.starts_with("pcm_s") || name.starts_with("pcm_u");
}

bool IsVideoFormat(FormatId id) {
    const FormatInfo* info = GetFormatInfo(id);
    return info && info->video;
}

const std::vector<CatalogueEntry>* GetCatalogueEntries(FormatId id) {
    const FormatInfo* info = GetFormatInfo(id);
    return info ? &info->entries : nullptr;
}

std::string GetMuxerName(FormatId id) {
    const FormatInfo* info = GetFormatInfo(id);
    return info ? info->muxer : std::string();
}

std::string GetFormatExtension(FormatId id) {
    const auto* entries = GetCatalogueEntries(id);
    return entries ? entries->front().extension : std::string();
}

std::string GetFormatName(FormatId id) {
    const std::string extension = GetFormatExtension(id);
    return extension.empty() ? extension : extension.substr(1);
}

} // namespace velmont
