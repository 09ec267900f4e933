// Command lines and scripts Rendix must refuse, and a quote inside a script path.
#include "rendix/Options.h"
#include "rendix/AvsScript.h"

#include <gtest/gtest.h>

using namespace rendix;

TEST(RendixOptions, RefusesWhatItCannotReadInOneLine) {
    const std::vector<std::string> refused[] = {
        {"-i", "a.wav", "-ab", "fast", "x.mp3"},
        {"-i", "a.wav", "-pass", "3", "x.mp3"},
        {"-i", "a.wav", "-aspect", "wide", "x.mp3"},
        {"-i", "a.wav", "-s", "320xx240", "x.mp4"},
        {"-i", "a.wav", "-s", "320x0", "x.mp4"},
        {"-i", "a.wav", "-t", "1:2:3:4", "x.mp3"},
        {"-i", "a.wav", "-ss", "-3", "x.mp3"},
        {"-i", "a.wav", "-r", "0", "x.mp4"},
        {"-i", "a.wav"},
        {"-y", "x.mp3"},
        {"-i", "a.wav", "one.mp3", "two.mp3"},
        {"-i", "a.wav", "-an", "-vn", "x.mp3"},
    };
    for (const auto& args : refused) {
        ParseResult r = ParseOptions(args);
        EXPECT_FALSE(r.ok) << args[args.size() - 2];
        EXPECT_FALSE(r.error.empty());
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
