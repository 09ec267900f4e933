#include "convert/AviSynthScript.h"
#include "convert/KnownInputExtensions.h"

#include "MediaTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace velmont {
namespace {

TEST(KnownInputExtensionsTest, LastDotOfTheFileNameComparedWithoutRegardToCase) {
    const std::pair<const char*, const char*> extensions[] = {
        {"/a/b.AVI", ".AVI"}, {"/a/b.tar.gz", ".gz"}, {"/a.dir/name", ""},
        {"/a/name.", "."},    {"name.mp3", ".mp3"},   {"", ""}};
    for (const auto& [path, extension] : extensions)
        EXPECT_EQ(PathExtension(path), extension) << path;
    for (const char* known : {".mp3", ".MP3", ".Wax", ".mpeg", ".MTS", ".aac", ".ogv"})
        EXPECT_TRUE(IsKnownInputExtension(known)) << known;
    for (const char* unknown : {".MKV", ".mp", ".mp33", "mp3", ".", ""})
        EXPECT_FALSE(IsKnownInputExtension(unknown)) << unknown;
}

TEST(AviSynthScriptTest, KeepRateTemplateByteForByte) {
    const std::string expected = "# Generic File Input\r\n"
                                 "DirectShowSource(\"/x/movie.MKV\", 25, convertfps=true)\r\n"
                                 "ChangeFPS(23.98)\r\n"
                                 "return last\r\n";
    EXPECT_EQ(FormatAviSynthScript("/x/movie.MKV", kFormatMp3, 29.97), expected);
    EXPECT_EQ(FormatAviSynthScript("/x/movie.MKV", 10, 25.0), expected);
    // A video format that keeps the source rate.
    EXPECT_EQ(FormatAviSynthScript("/x/movie.MKV", kFormatMp4, 0.0), expected);
}

TEST(AviSynthScriptTest, SetRateTemplateByteForByte) {
    EXPECT_EQ(FormatAviSynthScript("/x/movie.MKV", kFormatMp4, 29.97),
              "# Generic File Input\r\n"
              "DirectShowSource(\"/x/movie.MKV\", 29.970, convertfps = true)\r\n"
              "ChangeFPS(29.970)\r\n"
              "return last\r\n");
    EXPECT_NE(FormatAviSynthScript("/x/a", 11, 14.985).find(", 14.985, "), std::string::npos);
    EXPECT_NE(FormatAviSynthScript("/x/a", 20, 24).find("ChangeFPS(24.000)"), std::string::npos);
}

TEST(AviSynthScriptTest, LongPathsAreNotCutOff) {
    const std::string path = "/" + std::string(2000, 'p') + "/clip.mkv";
    const std::string script = FormatAviSynthScript(path, kFormatMp4, 25.0);
    EXPECT_NE(script.find(path), std::string::npos);
    EXPECT_EQ(script.substr(script.size() - 13), "return last\r\n");
}

TEST(AviSynthScriptTest, WritesAndTruncates) {
    test::TempFolder folder;
    ASSERT_TRUE(folder.Valid());
    const std::string path = folder.Path(kAviSynthScriptName);
    ASSERT_TRUE(WriteTextFile(path, std::string(1000, 'x')));
    ASSERT_TRUE(WriteTextFile(path, "a\r\nb\r\n"));
    EXPECT_EQ(test::ReadWholeFile(path), "a\r\nb\r\n");
    EXPECT_FALSE(WriteTextFile(folder.Path("missing/folder/file.avs"), "x"));
}

} // namespace
} // namespace velmont
