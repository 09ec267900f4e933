#include "rendix/Geometry.h"
#include "rendix/AmrModes.h"
#include "rendix/AudioChoices.h"
#include "rendix/Banner.h"
#include "rendix/ContainerTags.h"
#include "rendix/FilterText.h"
#include "rendix/FrameRate.h"

#include <gtest/gtest.h>

using namespace rendix;

TEST(RendixGeometry, CropsThenScalesToTheSizeLessPaddingThenPads) {
    GeometryRequest r;
    r.sourceWidth = 640;
    r.sourceHeight = 480;
    r.cropTop = r.cropBottom = 60;
    r.padTop = r.padBottom = 30;
    r.width = 320;
    r.height = 240;
    Geometry g = ComputeGeometry(r);
    ASSERT_TRUE(g.ok) << g.error;
    EXPECT_EQ(g.cropWidth, 640);
    EXPECT_EQ(g.cropHeight, 360);
    EXPECT_EQ(g.cropY, 60);
    EXPECT_EQ(g.scaledWidth, 320);
    EXPECT_EQ(g.scaledHeight, 180);
    EXPECT_EQ(g.padY, 30);
    EXPECT_EQ(g.width, 320);
    EXPECT_EQ(g.height, 240);
    EXPECT_EQ(VideoFilterText({0, 0, g, 640, 480, "yuv420p", 25, 1, 0, 1}),
              "crop=640:360:0:60,scale=320:180:flags=bicubic,pad=320:240:0:30:black,"
              "format=pix_fmts=yuv420p,fps=fps=25/1");
}

TEST(RendixGeometry, WithoutASizePaddingAddsToTheCroppedPicture) {
    GeometryRequest r;
    r.sourceWidth = 320;
    r.sourceHeight = 240;
    r.cropLeft = 10;
    r.cropRight = 10;
    r.padLeft = 4;
    r.padRight = 6;
    Geometry g = ComputeGeometry(r);
    ASSERT_TRUE(g.ok) << g.error;
    EXPECT_EQ(g.scaledWidth, 300);
    EXPECT_EQ(g.width, 310);
    EXPECT_EQ(g.height, 240);
    EXPECT_EQ(VideoFilterText({0, 0, g, 320, 240, "", 0, 1, 0, 1}),
              "crop=300:240:10:0,pad=310:240:4:0:black");
}

TEST(RendixGeometry, OddSizesBecomeEvenAndH263SizesAreChecked) {
    GeometryRequest r;
    r.sourceWidth = 321;
    r.sourceHeight = 241;
    r.width = 175;
    r.height = 143;
    Geometry g = ComputeGeometry(r);
    ASSERT_TRUE(g.ok);
    EXPECT_EQ(g.width % 2, 0);
    EXPECT_EQ(g.height % 2, 0);
    EXPECT_TRUE(CheckH263Size(176, 144).empty());
    std::string error = CheckH263Size(320, 240);
    EXPECT_NE(error.find("176x144"), std::string::npos);
    EXPECT_NE(error.find("1408x1152"), std::string::npos);
}

TEST(RendixGeometry, RefusesCropOrPaddingThatLeavesNoPicture) {
    GeometryRequest r;
    r.sourceWidth = 100;
    r.sourceHeight = 100;
    r.cropTop = 60;
    r.cropBottom = 60;
    EXPECT_FALSE(ComputeGeometry(r).ok);
    r.cropTop = r.cropBottom = 0;
    r.width = 100;
    r.height = 100;
    r.padLeft = 60;
    r.padRight = 60;
    EXPECT_FALSE(ComputeGeometry(r).ok);
}

TEST(RendixAmrModes, TakeTheNearestModeAtOrBelowTheRate) {
    EXPECT_EQ(AmrNarrowBandRate(AmrNarrowBandMode(12200)), 12200);
    EXPECT_EQ(AmrNarrowBandRate(AmrNarrowBandMode(10000)), 7950);
    EXPECT_EQ(AmrNarrowBandRate(AmrNarrowBandMode(128000)), 12200);
    EXPECT_EQ(AmrNarrowBandRate(AmrNarrowBandMode(1000)), 4750);
    EXPECT_EQ(AmrWideBandRate(AmrWideBandMode(23850)), 23850);
    EXPECT_EQ(AmrWideBandRate(AmrWideBandMode(23849)), 23050);
    EXPECT_EQ(AmrWideBandRate(AmrWideBandMode(6600)), 6600);
    EXPECT_EQ(AmrWideBandRate(AmrWideBandMode(0)), 23850);
}

TEST(RendixAudioChoices, NearestSupportedRatesAndFlashRates) {
    EXPECT_EQ(NearestValue(48000, {44100, 22050, 11025}), 44100);
    EXPECT_EQ(NearestValue(16000, {44100, 22050, 11025}), 11025);
    EXPECT_EQ(NearestValue(16000, {}), 16000);
    EXPECT_EQ(ContainerSampleRates("swf", "libmp3lame").size(), 3u);
    EXPECT_TRUE(ContainerSampleRates("mp3", "libmp3lame").empty());
}

TEST(RendixFrameRate, NtscRatesBecomeExactFractions) {
    Rate r = RateFromDouble(29.97);
    EXPECT_EQ(r.num, 30000);
    EXPECT_EQ(r.den, 1001);
    r = RateFromDouble(23.98);
    EXPECT_EQ(r.num, 24000);
    r = RateFromDouble(14.985);
    EXPECT_EQ(r.num, 15000);
    r = RateFromDouble(25);
    EXPECT_EQ(r.num, 25);
    EXPECT_EQ(r.den, 1);
    r = RateFromDouble(24);
    EXPECT_EQ(r.num, 24);
}

TEST(RendixFilterText, TrimKeepsTimesFromZero) {
    EXPECT_EQ(TrimText(true, 0, 0), "");
    EXPECT_EQ(TrimText(true, 0, 2), "atrim=end=2.000000");
    EXPECT_EQ(TrimText(false, 1.5, 2), "trim=start=1.500000:end=3.500000,setpts=PTS-1.500000/TB");
    AudioFilterRequest a;
    a.volume = 512;
    a.sampleRate = 8000;
    a.sampleFormats = "s16";
    a.channelLayout = "mono";
    EXPECT_EQ(AudioFilterText(a),
              "volume=2.000000,aformat=sample_fmts=s16:sample_rates=8000:channel_layouts=mono");
}

TEST(RendixContainerTags, AuthorIsTheArtistAndYearTheDate) {
    auto tags =
        ContainerTags("mp3", {{"title", "T"}, {"author", "A"}, {"year", "2001"}, {"album", ""}});
    ASSERT_EQ(tags.size(), 3u);
    EXPECT_EQ(tags[1].first, "artist");
    EXPECT_EQ(tags[2].first, "date");
    EXPECT_EQ(ContainerTags("aiff", {{"author", "A"}})[0].first, "author");
}

TEST(RendixHeader, LongTagListsAreShortenedToOnePipeWrite) {
    std::string description = "Input #0, mp3, from 'a.mp3':\n  Metadata:\n";
    for (int i = 0; i < 200; ++i)
        description +=
            "    comment" + std::to_string(i) + "        : " + std::string(40, 'x') + "\n";
    description += "  Duration: 00:01:02.03, start: 0.000000, bitrate: 128 kb/s\n"
                   "  Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n";
    std::string body = HeaderBody(description, "Warning: something\n");
    EXPECT_LE(body.size(), 4096u);
    EXPECT_NE(body.find("  Duration: 00:01:02.03"), std::string::npos);
    EXPECT_NE(body.find("Stream #0:0"), std::string::npos);
    EXPECT_NE(body.find("Warning: something\nPress [q] to stop encoding\n"), std::string::npos);
    EXPECT_EQ(HeaderBody("short\n", ""), "short\nPress [q] to stop encoding\n");
}
