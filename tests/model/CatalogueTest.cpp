#include "model/Catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace velmont;

namespace {

// "(audio codec/audio display, video codec/video display)", "—" for -1/-1.
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

// What a settings page lists for a format: the display texts of one half of
// its entries, each once, in entry order, with the codec id behind it.
using Choices = std::vector<std::pair<std::string, int>>;

Choices AudioChoices(FormatId id) {
    Choices choices;
    for (const CatalogueEntry& entry : *GetCatalogueEntries(id)) {
        if (entry.audioDisplayId == -1)
            continue;
        const std::string text = AudioDisplayName(entry.audioDisplayId);
        bool listed = false;
        for (const auto& choice : choices)
            listed = listed || choice.first == text;
        if (!listed)
            choices.emplace_back(text, entry.audioCodecId);
    }
    return choices;
}

Choices VideoChoices(FormatId id) {
    Choices choices;
    for (const CatalogueEntry& entry : *GetCatalogueEntries(id)) {
        if (entry.videoDisplayId == -1)
            continue;
        const std::string text = VideoDisplayName(entry.videoDisplayId);
        bool listed = false;
        for (const auto& choice : choices)
            listed = listed || choice.first == text;
        if (!listed)
            choices.emplace_back(text, entry.videoCodecId);
    }
    return choices;
}

} // namespace

TEST(Catalogue, FormatNamesInIdOrder) {
    const char* expected[] = {"aac", "aiff", "amr", "au",  "flac", "m4a", "mp2",
                              "mp3", "ogg",  "wav", "wma", "3g2",  "3gp", "avi",
                              "m4v", "mp4",  "mpg", "mov", "flv",  "swf", "nut"};
    for (FormatId id = 0; id < kFormatCount; ++id) {
        EXPECT_EQ(GetFormatName(id), expected[id]) << id;
        EXPECT_EQ(GetFormatExtension(id), std::string(".") + expected[id]) << id;
    }
}

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
    };
    for (FormatId id = 0; id < kFormatCount; ++id) {
        const auto* entries = GetCatalogueEntries(id);
        ASSERT_NE(entries, nullptr) << id;
        EXPECT_EQ(Describe(*entries), expected[id]) << id;
        for (const CatalogueEntry& entry : *entries)
            EXPECT_EQ(entry.extension, entries->front().extension) << id;
    }
}

TEST(Catalogue, UnknownFormatsHaveNoEntriesAndTheListIsShared) {
    EXPECT_EQ(GetCatalogueEntries(-1), nullptr);
    EXPECT_EQ(GetCatalogueEntries(kFormatCount), nullptr);
    EXPECT_EQ(GetCatalogueEntries(1000000), nullptr);
    EXPECT_EQ(GetCatalogueEntries(12), GetCatalogueEntries(12));
    EXPECT_EQ(GetFormatName(-1), "");
    EXPECT_EQ(GetFormatExtension(kFormatCount), "");
}

TEST(Catalogue, MuxerNamesWithNoneForWavAndUnknownIds) {
    const char* expected[] = {"adts", "aiff", "amr",  "au",  "flac", "mp4", "mp2",
                              "mp3",  "ogg",  "",     "asf", "3g2",  "3gp", "avi",
                              "mp4",  "mp4",  "mpeg", "mov", "flv",  "swf", "libnut"};
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(GetMuxerName(id), expected[id]) << id;
    EXPECT_EQ(GetMuxerName(-1), "");
    EXPECT_EQ(GetMuxerName(kFormatCount), "");
    EXPECT_EQ(GetMuxerName(-2147483647 - 1), "");
}

TEST(Catalogue, ThreeGpOffersAacAndBothAmrWithFourVideoCodecs) {
    const Choices audio = {{"ADTS AAC", 11}, {"arm_nb,audio/amr", 9}, {"arm_wb,audio/amr", 10}};
    const Choices video = {
        {"AVC MPEG-4", 0}, {"MPEG-4 (DivX 4/5)", 1}, {"H.263", 4}, {"H.263+", 5}};
    EXPECT_EQ(AudioChoices(12), audio);
    EXPECT_EQ(VideoChoices(12), video);
}

TEST(Catalogue, AviOffersMp3AndLayerTwoWithH264OrMpeg4) {
    const Choices audio = {{"mpeg audio layer 3", 12}, {"mpeg audio layer 2", 19}};
    const Choices video = {{"AVC MPEG-4", 0}, {"MPEG-4 (DivX 4/5)", 1}};
    EXPECT_EQ(AudioChoices(13), audio);
    EXPECT_EQ(VideoChoices(13), video);
    EXPECT_EQ(AudioCodecName(12), "libmp3lame");
    EXPECT_EQ(AudioCodecName(19), "mp2");
}

TEST(Catalogue, SameCodecUnderDifferentTextsPerContainer) {
    EXPECT_EQ(AudioChoices(8), (Choices{{"Ogg Vorbis", 13}, {"flac", 8}}));
    EXPECT_EQ(AudioChoices(4), (Choices{{"raw flac", 8}}));
    // mp2 shows "mpeg audio layer 2" but encodes with libmp3lame.
    EXPECT_EQ(AudioChoices(6), (Choices{{"mpeg audio layer 2", 12}}));
    EXPECT_EQ(AudioChoices(9), (Choices{{"pcm_s16le wave", 3},
                                        {"pcm_u8 wave", 14},
                                        {"pcm_s24le wave", 15},
                                        {"pcm s32le wave", 16}}));
    EXPECT_EQ(VideoChoices(7), Choices{});
}

TEST(Catalogue, PcmWmaMpegAndFlashChoices) {
    EXPECT_EQ(AudioChoices(1), (Choices{{"pcm_s16be,audio/aiff", 1},
                                        {"pcm_s8,audio/aiff", 2},
                                        {"pcm_s16le,audio/aiff", 3},
                                        {"pcm_s32be,audio/aiff", 4},
                                        {"pcm_s24be,audio/aiff", 5}}));
    EXPECT_EQ(AudioChoices(3), (Choices{{"pcm_s16be,AU Format", 1},
                                        {"pcm_mulaw,AU Format", 6},
                                        {"pcm_alaw,AU Format", 7}}));
    EXPECT_EQ(AudioChoices(10),
              (Choices{{"Windows Media Audio V8", 17}, {"Windows Media Audio V7", 18}}));
    EXPECT_EQ(VideoChoices(16), (Choices{{"mpeg-1 video", 3}}));
    EXPECT_EQ(VideoChoices(18), (Choices{{"video/x-flv", 6}}));
    EXPECT_EQ(VideoChoices(20), (Choices{{"MPEG-4 (DivX 4/5)", 1}}));
    EXPECT_EQ(VideoCodecName(3), "mpeg1video");
    EXPECT_EQ(VideoCodecName(6), "flv");
}

TEST(Catalogue, Ac3AndMsmpeg4AreNeverOffered) {
    EXPECT_EQ(AudioCodecName(0), "ac3");
    EXPECT_EQ(AudioDisplayName(0), "raw ac3");
    EXPECT_EQ(VideoCodecName(2), "msmpeg4");
    EXPECT_EQ(VideoDisplayName(2), "DivX 3");
    for (FormatId id = 0; id < kFormatCount; ++id) {
        for (const CatalogueEntry& entry : *GetCatalogueEntries(id)) {
            EXPECT_NE(entry.audioCodecId, 0) << id;
            EXPECT_NE(entry.audioDisplayId, 0) << id;
            EXPECT_NE(entry.videoCodecId, 2) << id;
        }
    }
}

TEST(Catalogue, EveryEntryNamesExistingCodecsAndTexts) {
    for (FormatId id = 0; id < kFormatCount; ++id) {
        for (const CatalogueEntry& entry : *GetCatalogueEntries(id)) {
            EXPECT_NE(AudioCodecName(entry.audioCodecId), "") << id;
            EXPECT_NE(AudioDisplayName(entry.audioDisplayId), "") << id;
            if (id < kFirstVideoFormat) {
                EXPECT_EQ(entry.videoCodecId, -1) << id;
                EXPECT_EQ(entry.videoDisplayId, -1) << id;
            } else {
                EXPECT_NE(VideoCodecName(entry.videoCodecId), "") << id;
                EXPECT_EQ(entry.videoDisplayId, entry.videoCodecId) << id;
            }
        }
    }
}

TEST(Catalogue, NamesOutsideTheirTablesAreEmpty) {
    // A hand-edited param.ini can hold any codec id.
    for (int id : {-1, -1000, 2147483647}) {
        EXPECT_EQ(AudioCodecName(id), "") << id;
        EXPECT_EQ(AudioDisplayName(id), "") << id;
        EXPECT_EQ(VideoCodecName(id), "") << id;
        EXPECT_EQ(VideoDisplayName(id), "") << id;
    }
    EXPECT_EQ(AudioCodecName(kAudioCodecCount), "");
    EXPECT_EQ(AudioDisplayName(kAudioDisplayCount), "");
    EXPECT_EQ(VideoCodecName(kVideoCodecCount), "");
    EXPECT_EQ(VideoDisplayName(kVideoCodecCount), "");
    EXPECT_EQ(AudioCodecName(kAudioCodecCount - 1), "mp2");
    EXPECT_EQ(AudioDisplayName(kAudioDisplayCount - 1), "Windows Media Audio V7");
    EXPECT_EQ(VideoCodecName(kVideoCodecCount - 1), "flv");
    EXPECT_EQ(VideoDisplayName(kVideoCodecCount - 1), "video/x-flv");
}
