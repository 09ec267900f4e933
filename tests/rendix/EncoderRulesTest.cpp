// Rules the end-to-end cases reach only in part: picture geometry at its
// edges, AMR mode choice, a header too long for one pipe write.
#include "rendix/AmrModes.h"
#include "rendix/Banner.h"
#include "rendix/Geometry.h"

#include <gtest/gtest.h>

using namespace rendix;

TEST(RendixRules, GeometryCropsThenScalesToTheSizeLessPaddingThenPads) {
    const struct {
        GeometryRequest r; // source w, h; crop t, b, l, r; pad t, b, l, r; size w, h
        int cropWidth, cropHeight, scaledWidth, scaledHeight, width, height; // 0 = refused
    } cases[] = {
        {{640, 480, 60, 60, 0, 0, 30, 30, 0, 0, 320, 240}, 640, 360, 320, 180, 320, 240},
        {{320, 240, 0, 0, 10, 10, 0, 0, 4, 6}, 300, 240, 300, 240, 310, 240}, // padding adds
        {{321, 241, 0, 0, 0, 0, 0, 0, 0, 0, 175, 143}, 320, 240, 174, 142, 174, 142}, // even
        {{100, 100, 60, 60}, 0, 0, 0, 0, 0, 0},                             // cropped away
        {{100, 100, 0, 0, 0, 0, 0, 0, 60, 60, 100, 100}, 0, 0, 0, 0, 0, 0}, // padded away
    };
    for (const auto& c : cases) {
        Geometry g = ComputeGeometry(c.r);
        SCOPED_TRACE(std::to_string(c.r.sourceWidth) + " " + g.error);
        ASSERT_EQ(g.ok, c.width > 0);
        if (!g.ok)
            continue;
        EXPECT_EQ(g.cropWidth, c.cropWidth);
        EXPECT_EQ(g.cropHeight, c.cropHeight);
        EXPECT_EQ(g.cropX, c.r.cropLeft);
        EXPECT_EQ(g.cropY, c.r.cropTop);
        EXPECT_EQ(g.scaledWidth, c.scaledWidth);
        EXPECT_EQ(g.scaledHeight, c.scaledHeight);
        EXPECT_EQ(g.padX, c.r.padLeft);
        EXPECT_EQ(g.padY, c.r.padTop);
        EXPECT_EQ(g.width, c.width);
        EXPECT_EQ(g.height, c.height);
    }
}

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
