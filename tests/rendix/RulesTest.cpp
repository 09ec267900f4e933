// What the end-to-end cases reach only in part: command lines and scripts Rendix
// must refuse, AMR mode choice, a header too long for one pipe write.
#include "rendix/AmrModes.h"
#include "rendix/AvsScript.h"
#include "rendix/Banner.h"
#include "rendix/Options.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

using namespace rendix;

TEST(RendixOptions, RefusesWhatItCannotReadInOneLine) {
    for (const char* line :
         {"-i a.wav -ab fast x.mp3", "-i a.wav -pass 3 x.mp3", "-i a.wav -aspect wide x.mp3",
          "-i a.wav -s 320xx240 x.mp4", "-i a.wav -s 320x0 x.mp4", "-i a.wav -t 1:2:3:4 x.mp3",
          "-i a.wav -ss -3 x.mp3", "-i a.wav -r 0 x.mp4", "-i a.wav", "-y x.mp3",
          "-i a.wav one.mp3 two.mp3", "-i a.wav -an -vn x.mp3"}) {
        std::istringstream words(line);
        ParseResult r = ParseOptions({std::istream_iterator<std::string>(words), {}});
        EXPECT_FALSE(r.ok) << line;
        EXPECT_FALSE(r.error.empty()) << line;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
    }
}

TEST(RendixAvsScript, ReadsOnlyTheConvertersTwoTemplates) {
    AvsParseResult r = ParseAvsScript(
        "# Generic File Input\r\nDirectShowSource(\"/m/say \"hi\", 2.wmv\", 14.985, convertfps = "
        "true)\r\nChangeFPS(14.985)\r\nreturn last\r\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.script.sourcePath, "/m/say \"hi\", 2.wmv");
    EXPECT_DOUBLE_EQ(r.script.frameRate, 14.985);
    for (const char* other : {"AviSource(\"a.avi\")\nreturn last\n", "",
                              "DirectShowSource(\"a.avi\", 25, convertfps=true)\nChangeFPS(25)\n"
                              "Trim(0, 100)\nreturn last\n"})
        EXPECT_NE(ParseAvsScript(other).error.find("AviSynth"), std::string::npos) << other;
    EXPECT_TRUE(HasAvsExtension("/p/X.AVS"));
    EXPECT_FALSE(HasAvsExtension("/p.avs/file"));
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
