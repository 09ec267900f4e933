// Rules the end-to-end cases reach only in part: AMR mode choice, a header
// too long for one pipe write.
#include "rendix/AmrModes.h"
#include "rendix/Banner.h"

#include <gtest/gtest.h>

using namespace rendix;

TEST(RendixRules, AmrTakesTheNearestModeAtOrBelowTheRate) {
    const std::pair<int, int> narrow[] = {
        {12200, 12200}, {10000, 7950}, {128000, 12200}, {1000, 4750}};
    for (auto [asked, got] : narrow)
        EXPECT_EQ(AmrNarrowBandRate(AmrNarrowBandMode(asked)), got) << asked;
    const std::pair<int, int> wide[] = {{23850, 23850}, {23849, 23050}, {6600, 6600}, {0, 23850}};
    for (auto [asked, got] : wide)
        EXPECT_EQ(AmrWideBandRate(AmrWideBandMode(asked)), got) << asked;
}

TEST(RendixRules, LongTagListsAreShortenedToOnePipeWrite) {
    std::string description = "Input #0, mp3, from 'a.mp3':\n  Metadata:\n";
    for (int i = 0; i < 200; ++i)
        description += "    comment" + std::to_string(i) + "  : " + std::string(40, 'x') + "\n";
    description += "  Duration: 00:01:02.03, start: 0.000000, bitrate: 128 kb/s\n"
                   "  Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n";
    std::string body = HeaderBody(description, "Warning: something\n");
    EXPECT_LE(body.size(), 4096u);
    EXPECT_NE(body.find("  Duration: 00:01:02.03"), std::string::npos);
    EXPECT_NE(body.find("Stream #0:0"), std::string::npos);
    EXPECT_NE(body.find("Warning: something\nPress [q] to stop encoding\n"), std::string::npos);
}
