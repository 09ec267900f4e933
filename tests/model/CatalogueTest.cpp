#include "model/Catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmont;

namespace {

// "(audio codec/audio display, video codec/video display)", "-" for -1/-1.
std::string Half(int codec, int display) {
    if (codec == -1 && display == -1)
        return "-";
    return std::to_string(codec) + "/" + std::to_string(display);
}

std::string Describe(const std::vector<CatalogueEntry>& entries) {
    std::string text;
    for (const CatalogueEntry& entry : entries) {
        if (!text.empty())
            text += " ";
        text += "(" + Half(entry.audioCodecId, entry.audioDisplayId) + ", " +
                Half(entry.videoCodecId, entry.videoDisplayId) + ")";
    }
    return text;
}

} // namespace

TEST(Catalogue, FormatNamesInIdOrder) {
    const char* expected[] = {"aac", "aiff", "amr", "au",  "flac", "m4a",  "mp2",  "mp3",
                              "ogg", "wav",  "wma", "3g2", "3gp",  "avi",  "m4v",  "mp4",
                              "mpg", "mov",  "flv", "swf", "nut",  "opus", "webm", "mkv"};
    for (FormatId id = 0; id < kFormatCount; ++id) {
        EXPECT_EQ(GetFormatName(id), expected[id]) << id;
        EXPECT_EQ(GetFormatExtension(id), std::string(".") + expected[id]) << id;
    }
}

// Every name of a table from id -1 to one past its end, each closed by "|":
// the ids outside the table give empty names, never a read past it.
static std::string Joined(std::string (*name)(int), int count) {
    std::string text;
    for (int id = -1; id <= count; ++id)
        text += name(id) + "|";
    return text;
}

TEST(Catalogue, CodecAndDisplayNameTables) {
    EXPECT_EQ(Joined(AudioCodecName, kAudioCodecCount),
              "|ac3|pcm_s16be|pcm_s8|pcm_s16le|pcm_s32be|pcm_s24be|pcm_mulaw|pcm_alaw|flac|"
              "libamr_nb|libamr_wb|libfaac|libmp3lame|vorbis|pcm_u8|pcm_s24le|pcm_s32le|wmav2|"
              "wmav1|mp2|libopus||");
    EXPECT_EQ(
        Joined(AudioDisplayName, kAudioDisplayCount),
        "|raw ac3|pcm_s16be,audio/aiff|pcm_s16be,AU Format|pcm_s8,audio/aiff|"
        "pcm_s16le,audio/aiff|pcm_s16le wave|pcm_s32be,audio/aiff|pcm_s24be,audio/aiff|"
        "pcm_mulaw,AU Format|pcm_alaw,AU Format|raw flac|arm_nb,audio/amr|arm_wb,audio/amr|"
        "ADTS AAC|mpeg audio layer 3|mpeg audio layer 2|Ogg Vorbis|flac|pcm_u8 wave|"
        "pcm_s24le wave|pcm s32le wave|Windows Media Audio V8|Windows Media Audio V7|Opus|AAC|"
        "AC-3|FLAC|Vorbis||");
    EXPECT_EQ(Joined(VideoCodecName, kVideoCodecCount),
              "|libx264|mpeg4|msmpeg4|mpeg1video|h263|h263p|flv|libx265|libvpx-vp9|libsvtav1||");
    EXPECT_EQ(
        Joined(VideoDisplayName, kVideoCodecCount),
        "|AVC MPEG-4|MPEG-4 (DivX 4/5)|DivX 3|mpeg-1 video|H.263|H.263+|video/x-flv|HEVC H.265|"
        "VP9|AV1||");
    for (int id : {-1000, 2147483647, -2147483647 - 1})
        EXPECT_EQ(AudioCodecName(id) + AudioDisplayName(id) + VideoCodecName(id) +
                      VideoDisplayName(id),
                  "")
            << id;
}

// The settings pages offer each half's display names in entry order, once each:
// 3gp offers ADTS AAC and AMR narrow and wide band with AVC, MPEG-4, H.263 and H.263+;
// avi offers mpeg audio layer 3 or 2 with AVC or MPEG-4. The mp2 format shows layer 2
// but encodes with lame.
TEST(Catalogue, EntryListsPairCodecsAsTabled) {
    const char* expected[] = {
        "(11/13, -)",
        "(1/1, -) (2/3, -) (3/4, -) (4/6, -) (5/7, -)",
        "(9/11, -) (10/12, -)",
        "(1/2, -) (6/8, -) (7/9, -)",
        "(8/10, -)",
        "(11/13, -)",
        "(12/15, -)",
        "(12/14, -)",
        "(13/16, -) (8/17, -)",
        "(3/5, -) (14/18, -) (15/19, -) (16/20, -)",
        "(17/21, -) (18/22, -)",
        "(9/11, 4/4)",
        "(11/13, 0/0) (11/13, 1/1) (9/11, 4/4) (10/12, 4/4) (9/11, 5/5) (10/12, 5/5)",
        "(12/14, 0/0) (12/14, 1/1) (19/15, 0/0) (19/15, 1/1)",
        "(11/13, 0/0) (11/13, 1/1)",
        "(11/13, 0/0) (11/13, 1/1)",
        "(19/15, 3/3)",
        "(11/13, 0/0) (11/13, 1/1)",
        "(12/14, 6/6)",
        "(12/14, 6/6)",
        "(13/16, 1/1)",
        "(20/23, -)",
        "(20/23, 8/8) (13/27, 9/9)",
        "(11/24, 0/0) (8/26, 7/7) (20/23, 8/8) (13/27, 9/9) (0/25, 0/0)",
    };
    for (FormatId id = 0; id < kFormatCount; ++id) {
        const auto* entries = GetCatalogueEntries(id);
        ASSERT_NE(entries, nullptr) << id;
        EXPECT_EQ(Describe(*entries), expected[id]) << id;
        for (const CatalogueEntry& entry : *entries)
            EXPECT_EQ(entry.extension, entries->front().extension) << id;
        // Video comes with the format, not with its place in the list.
        EXPECT_EQ(IsVideoFormat(id), (id >= 11 && id <= 20) || id == 22 || id == 23) << id;
    }
    EXPECT_FALSE(IsVideoFormat(-1) || IsVideoFormat(kFormatCount));
}

TEST(Catalogue, UnknownFormatsHaveNoEntriesAndTheListIsShared) {
    EXPECT_EQ(GetCatalogueEntries(-1), nullptr);
    EXPECT_EQ(GetCatalogueEntries(kFormatCount), nullptr);
    EXPECT_EQ(GetCatalogueEntries(12), GetCatalogueEntries(12));
    EXPECT_EQ(GetFormatName(-1), "");
    EXPECT_EQ(GetFormatExtension(kFormatCount), "");
}

TEST(Catalogue, MuxerNamesWithNoneForWavAndUnknownIds) {
    const char* expected[] = {"adts", "aiff", "amr", "au",  "flac",   "mp4", "mp2",  "mp3",
                              "ogg",  "",     "asf", "3g2", "3gp",    "avi", "mp4",  "mp4",
                              "mpeg", "mov",  "flv", "swf", "libnut", "ogg", "webm", "matroska"};
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(GetMuxerName(id), expected[id]) << id;
    EXPECT_EQ(GetMuxerName(-1), "");
    EXPECT_EQ(GetMuxerName(kFormatCount), "");
    EXPECT_EQ(GetMuxerName(-2147483647 - 1), "");
}
