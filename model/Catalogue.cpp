#include "model/Catalogue.h"

#include <map>

namespace velmont {

const std::array<const char*, kAudioCodecCount> kAudioCodecNames = {
    "ac3",      "pcm_s16be", "pcm_s8",    "pcm_s16le", "pcm_s32be", "pcm_s24be",  "pcm_mulaw",
    "pcm_alaw", "flac",      "libamr_nb", "libamr_wb", "libfaac",   "libmp3lame", "vorbis",
    "pcm_u8",   "pcm_s24le", "pcm_s32le", "wmav2",     "wmav1",     "mp2"};

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
                                                                        "Windows Media Audio V7"};

const std::array<const char*, kVideoCodecCount> kVideoCodecNames = {
    "libx264", "mpeg4", "msmpeg4", "mpeg1video", "h263", "h263p", "flv"};

const std::array<const char*, kVideoCodecCount> kVideoDisplayNames = {
    "AVC MPEG-4", "MPEG-4 (DivX 4/5)", "DivX 3", "mpeg-1 video", "H.263", "H.263+", "video/x-flv"};

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

std::vector<CatalogueEntry> Entries(const char* extension,
                                    std::initializer_list<std::pair<Pair, Pair>> pairs) {
    std::vector<CatalogueEntry> list;
    for (const auto& [audio, video] : pairs)
        list.push_back({extension, audio.codec, audio.display, video.codec, video.display});
    return list;
}

std::map<FormatId, std::vector<CatalogueEntry>> BuildEntryTable() {
    std::map<FormatId, std::vector<CatalogueEntry>> table;
    table[0] = Entries(".aac", {{{11, 13}, kNone}});
    table[1] = Entries(
        ".aiff",
        {{{1, 1}, kNone}, {{2, 3}, kNone}, {{3, 4}, kNone}, {{4, 6}, kNone}, {{5, 7}, kNone}});
    table[2] = Entries(".amr", {{{9, 11}, kNone}, {{10, 12}, kNone}});
    table[3] = Entries(".au", {{{1, 2}, kNone}, {{6, 8}, kNone}, {{7, 9}, kNone}});
    table[4] = Entries(".flac", {{{8, 10}, kNone}});
    table[5] = Entries(".m4a", {{{11, 13}, kNone}});
    table[6] = Entries(".mp2", {{{12, 15}, kNone}});
    table[7] = Entries(".mp3", {{{12, 14}, kNone}});
    table[8] = Entries(".ogg", {{{13, 16}, kNone}, {{8, 17}, kNone}});
    table[9] =
        Entries(".wav", {{{3, 5}, kNone}, {{14, 18}, kNone}, {{15, 19}, kNone}, {{16, 20}, kNone}});
    table[10] = Entries(".wma", {{{17, 21}, kNone}, {{18, 22}, kNone}});
    table[11] = Entries(".3g2", {{{9, 11}, {4, 4}}});
    table[12] = Entries(".3gp", {{{11, 13}, {0, 0}},
                                 {{11, 13}, {1, 1}},
                                 {{9, 11}, {4, 4}},
                                 {{10, 12}, {4, 4}},
                                 {{9, 11}, {5, 5}},
                                 {{10, 12}, {5, 5}}});
    table[13] = Entries(
        ".avi", {{{12, 14}, {0, 0}}, {{12, 14}, {1, 1}}, {{19, 15}, {0, 0}}, {{19, 15}, {1, 1}}});
    table[14] = Entries(".m4v", {{{11, 13}, {0, 0}}, {{11, 13}, {1, 1}}});
    table[15] = Entries(".mp4", {{{11, 13}, {0, 0}}, {{11, 13}, {1, 1}}});
    table[16] = Entries(".mpg", {{{19, 15}, {3, 3}}});
    table[17] = Entries(".mov", {{{11, 13}, {0, 0}}, {{11, 13}, {1, 1}}});
    table[18] = Entries(".flv", {{{12, 14}, {6, 6}}});
    table[19] = Entries(".swf", {{{12, 14}, {6, 6}}});
    table[20] = Entries(".nut", {{{13, 16}, {1, 1}}});
    return table;
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

const std::vector<CatalogueEntry>* GetCatalogueEntries(FormatId id) {
    static const std::map<FormatId, std::vector<CatalogueEntry>> table = BuildEntryTable();
    const auto found = table.find(id);
    return found == table.end() ? nullptr : &found->second;
}

std::string GetMuxerName(FormatId id) {
    switch (id) {
    case 0:
        return "adts";
    case 1:
        return "aiff";
    case 2:
        return "amr";
    case 3:
        return "au";
    case 4:
        return "flac";
    case 5:
        return "mp4";
    case 6:
        return "mp2";
    case 7:
        return "mp3";
    case 8:
        return "ogg";
    case 10:
        return "asf";
    case 11:
        return "3g2";
    case 12:
        return "3gp";
    case 13:
        return "avi";
    case 14:
        return "mp4";
    case 15:
        return "mp4";
    case 16:
        return "mpeg";
    case 17:
        return "mov";
    case 18:
        return "flv";
    case 19:
        return "swf";
    case 20:
        return "libnut";
    default:
        return {};
    }
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
