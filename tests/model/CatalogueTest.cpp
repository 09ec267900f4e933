#include "model/Catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace velmont;

namespace {

// "(audio codec/audio display, video codec/video display)".
std::string Half(int codec, int display) {
    return codec == -1 && display == -1 ? "-"
                                        : std::to_string(codec) + "/" + std::to_string(display);
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

// The names Rendix is handed are proven by converting with them; here every
// id of a table has a name and the ids around it have none.
TEST(Catalogue, CodecAndDisplayNameTablesHaveNoGapsAndNothingOutside) {
    const std::pair<std::string (*)(int), int> tables[] = {{AudioCodecName, kAudioCodecCount},
                                                           {AudioDisplayName, kAudioDisplayCount},
                                                           {VideoCodecName, kVideoCodecCount},
                                                           {VideoDisplayName, kVideoCodecCount}};
    for (const auto& [name, count] : tables) {
        for (int id = 0; id < count; ++id)
            EXPECT_FALSE(name(id).empty()) << id;
        for (int id : {-2147483647 - 1, -1, count, 2147483647})
            EXPECT_EQ(name(id), "") << id;
    }
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
        // Video comes with the format, not with its place in the list.
        EXPECT_EQ(IsVideoFormat(id), (id >= 11 && id <= 20) || id == 22 || id == 23) << id;
    }
    EXPECT_FALSE(IsVideoFormat(-1) || IsVideoFormat(kFormatCount));
}

// Each known format's name, extension and muxer are used end to end by
// Rendix's DefaultLinesTest; unknown ids have none.
TEST(Catalogue, UnknownFormatIdsHaveNoNameExtensionMuxerOrEntries) {
    for (FormatId id : {-2147483647 - 1, -1, kFormatCount}) {
        EXPECT_EQ(GetFormatName(id) + GetFormatExtension(id) + GetMuxerName(id), "") << id;
        EXPECT_EQ(GetCatalogueEntries(id), nullptr) << id;
    }
    EXPECT_EQ(GetMuxerName(9), ""); // wav is told by its extension
}
