#include "rendix/Options.h"

#include <gtest/gtest.h>

using namespace rendix;

namespace {

ParseResult Parse(std::vector<std::string> args) {
    return ParseOptions(args);
}

} // namespace

TEST(RendixOptions, ReadsTheConvertersMp3Line) {
    ParseResult r =
        Parse({"-i", "/in/clip one.avi", "-y", "-f", "mp3", "-ab", "128000", "-ar", "44100", "-ac",
               "2", "-vol", "256", "-acodec", "libmp3lame", "-vn", "/out/clip.mp3"});
    ASSERT_TRUE(r.ok) << r.error;
    const Options& o = r.options;
    EXPECT_EQ(o.input, "/in/clip one.avi");
    EXPECT_EQ(o.output, "/out/clip.mp3");
    EXPECT_TRUE(o.overwrite);
    EXPECT_EQ(o.format, "mp3");
    EXPECT_EQ(o.audioBitrate, 128000);
    EXPECT_EQ(o.sampleRate, 44100);
    EXPECT_EQ(o.channels, 2);
    EXPECT_EQ(o.volume, 256);
    EXPECT_EQ(o.audioCodec, "libmp3lame");
    EXPECT_TRUE(o.noVideo);
    EXPECT_FALSE(o.noAudio);
}

TEST(RendixOptions, ReadsEveryVideoOptionOfTheMp4Line) {
    ParseResult r =
        Parse({"-i",      "a.mkv",       "-y",      "-f",         "mp4",     "-s",
               "320*240", "-r",          "29.97",   "-aspect",    "16:9",    "-b",
               "768000",  "-qscale",     "4.00",    "-minrate",   "256000",  "-maxrate",
               "512000",  "-bufsize",    "1000000", "-pass",      "2",       "-croptop",
               "4",       "-cropbottom", "6",       "-cropleft",  "8",       "-cropright",
               "10",      "-padtop",     "12",      "-padbottom", "14",      "-padleft",
               "16",      "-padright",   "18",      "-vcodec",    "libx264", "-level",
               "21",      "-ss",         "5",       "-t",         "1:30",    "-title",
               "T",       "-author",     "A",       "-comment",   "C",       "-album",
               "B",       "-track",      "3",       "-year",      "1999",    "out.mp4"});
    ASSERT_TRUE(r.ok) << r.error;
    const Options& o = r.options;
    EXPECT_EQ(o.width, 320);
    EXPECT_EQ(o.height, 240);
    EXPECT_DOUBLE_EQ(o.frameRate, 29.97);
    EXPECT_NEAR(o.displayAspect, 16.0 / 9.0, 1e-9);
    EXPECT_EQ(o.videoBitrate, 768000);
    EXPECT_DOUBLE_EQ(o.qscale, 4.0);
    EXPECT_EQ(o.minRate, 256000);
    EXPECT_EQ(o.maxRate, 512000);
    EXPECT_EQ(o.bufferSize, 1000000);
    EXPECT_EQ(o.pass, 2);
    EXPECT_EQ(o.cropTop + o.cropBottom + o.cropLeft + o.cropRight, 28);
    EXPECT_EQ(o.padTop, 12);
    EXPECT_EQ(o.padBottom, 14);
    EXPECT_EQ(o.padLeft, 16);
    EXPECT_EQ(o.padRight, 18);
    EXPECT_EQ(o.videoCodec, "libx264");
    EXPECT_EQ(o.level, 21);
    EXPECT_DOUBLE_EQ(o.startSeconds, 5);
    EXPECT_DOUBLE_EQ(o.durationSeconds, 90);
    ASSERT_EQ(o.tags.size(), 6u);
    EXPECT_EQ(o.tags[1].first, "author");
    EXPECT_EQ(o.tags[5].second, "1999");
}

TEST(RendixOptions, FrameSizeTakesAnyOneSeparator) {
    int w = 0, h = 0;
    EXPECT_TRUE(ParseFrameSize("320x240", w, h));
    EXPECT_EQ(w, 320);
    EXPECT_EQ(h, 240);
    EXPECT_TRUE(ParseFrameSize("176*144", w, h));
    EXPECT_EQ(h, 144);
    EXPECT_FALSE(ParseFrameSize("320", w, h));
    EXPECT_FALSE(ParseFrameSize("320xx240", w, h));
    EXPECT_FALSE(ParseFrameSize("x240", w, h));
    EXPECT_FALSE(ParseFrameSize("320x0", w, h));
}

TEST(RendixOptions, TimesInSecondsOrClockForm) {
    double s = 0;
    EXPECT_TRUE(ParseTime("12.5", s));
    EXPECT_DOUBLE_EQ(s, 12.5);
    EXPECT_TRUE(ParseTime("01:02:03.5", s));
    EXPECT_DOUBLE_EQ(s, 3723.5);
    EXPECT_FALSE(ParseTime("-3", s));
    EXPECT_FALSE(ParseTime("1:2:3:4", s));
    EXPECT_FALSE(ParseTime("abc", s));
}

TEST(RendixOptions, RejectsWhatItCannotRead) {
    EXPECT_EQ(Parse({"-i", "a.wav", "-bogus", "x.mp3"}).error, "Unrecognized option '-bogus'");
    EXPECT_EQ(Parse({"-i", "a.wav", "x.mp3", "-ab"}).error, "Missing value for option '-ab'");
    EXPECT_FALSE(Parse({"-i", "a.wav", "-ab", "fast", "x.mp3"}).ok);
    EXPECT_FALSE(Parse({"-i", "a.wav", "-pass", "3", "x.mp3"}).ok);
    EXPECT_FALSE(Parse({"-i", "a.wav", "-aspect", "wide", "x.mp3"}).ok);
    EXPECT_FALSE(Parse({"-i", "a.wav"}).ok);                       // no output
    EXPECT_FALSE(Parse({"-y", "x.mp3"}).ok);                       // no input
    EXPECT_FALSE(Parse({"-i", "a.wav", "one.mp3", "two.mp3"}).ok); // two outputs
    EXPECT_FALSE(Parse({"-i", "a.wav", "-an", "-vn", "x.mp3"}).ok);
    std::string error = Parse({"-i", "a.wav", "-r", "0", "x.mp4"}).error;
    EXPECT_NE(error.find("-r"), std::string::npos);
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

TEST(RendixOptions, BitRatesAcceptUnitSuffixes) {
    ParseResult r = Parse({"-i", "a", "-ab", "128k", "-b", "1.5M", "o.mp4"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.audioBitrate, 128000);
    EXPECT_EQ(r.options.videoBitrate, 1500000);
}
