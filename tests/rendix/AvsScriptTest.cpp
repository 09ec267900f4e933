#include "rendix/AvsScript.h"

#include <gtest/gtest.h>

using namespace rendix;

TEST(RendixAvsScript, ReadsTheKeepRateTemplate) {
    AvsParseResult r =
        ParseAvsScript("# Generic File Input\r\nDirectShowSource(\"/m/My Movie.mkv\", "
                       "25, convertfps=true)\r\nChangeFPS(23.98)\r\nreturn last\r\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.script.sourcePath, "/m/My Movie.mkv");
    EXPECT_DOUBLE_EQ(r.script.frameRate, 23.98);
}

TEST(RendixAvsScript, ReadsTheSetRateTemplateWithAQuoteInThePath) {
    AvsParseResult r = ParseAvsScript(
        "# Generic File Input\r\nDirectShowSource(\"/m/say \"hi\", 2.wmv\", 14.985, convertfps = "
        "true)\r\nChangeFPS(14.985)\r\nreturn last\r\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.script.sourcePath, "/m/say \"hi\", 2.wmv");
    EXPECT_DOUBLE_EQ(r.script.frameRate, 14.985);
}

TEST(RendixAvsScript, RefusesOtherScripts) {
    EXPECT_FALSE(ParseAvsScript("AviSource(\"a.avi\")\nreturn last\n").ok);
    EXPECT_FALSE(ParseAvsScript("DirectShowSource(\"a.avi\", 25, convertfps=true)\n"
                                "ChangeFPS(25)\nTrim(0, 100)\nreturn last\n")
                     .ok);
    EXPECT_FALSE(ParseAvsScript("").ok);
    AvsParseResult r = ParseAvsScript("Version()\n");
    EXPECT_NE(r.error.find("AviSynth"), std::string::npos);
}

TEST(RendixAvsScript, KnowsScriptNamesWhateverTheCase) {
    EXPECT_TRUE(HasAvsExtension("/p/templateFile.avs"));
    EXPECT_TRUE(HasAvsExtension("/p/X.AVS"));
    EXPECT_FALSE(HasAvsExtension("/p.avs/file"));
    EXPECT_FALSE(HasAvsExtension("/p/file.avsx"));
}
