// The non-default conversions that matter, each probed. Every case runs with
// a temporary folder of its own that must be empty afterwards.
#include "RendixFixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr auto Song = &RendixMedia::AudioInput;
constexpr auto Clip = &RendixMedia::VideoInput;
// One of the converter's two wrapper scripts around the clip.
std::string Script(const std::string& name, const std::string& source, const std::string& fps) {
    std::string path = RendixMedia::Folder() + "/" + name;
    std::ofstream(path, std::ios::binary)
        << "# Generic File Input\r\nDirectShowSource(\"" << Clip() << "\", " << source
        << ")\r\nChangeFPS(" << fps << ")\r\nreturn last\r\n";
    return path;
}
std::string QuotedNameCopy() {
    std::string path = RendixMedia::Folder() + "/a \"quoted\" name with blanks.mp3";
    fs::copy_file(Song(), path, fs::copy_options::overwrite_existing);
    return path;
}

// Checks beyond the probe, for the cases that need them.
void WideBandModeKept(const std::string& out, const RendixRun&) {
    // 23.85 kbit/s for two seconds: about 6 kB; a lower mode would be smaller.
    EXPECT_GT(fs::file_size(out), 5500u);
}
void Decodes(const std::string& out, const RendixRun&) {
    EXPECT_GT(LumaOfRows(out, 100, 8), 0) << "the picture does not decode";
}
void TwiceAsLoud(const std::string& out, const RendixRun&) {
    const double before = AudioPeakDb(Song());
    ASSERT_LT(before, -6.0);
    EXPECT_NEAR(AudioPeakDb(out) - before, 6.0, 1.0); // twice the amplitude
}
void BlackBars(const std::string& out, const RendixRun&) {
    EXPECT_LT(LumaOfRows(out, 2, 30), 24) << "top padding is not black";
    EXPECT_LT(LumaOfRows(out, 210, 28), 24) << "bottom padding is not black";
    EXPECT_GT(LumaOfRows(out, 60, 100), 40) << "the picture is missing";
}
void Wide(const std::string& out, const RendixRun&) {
    EXPECT_EQ(ProbeMedia(out)["video.display_aspect_ratio"], "16:9");
}
void NoPassLogsHere(const std::string&, const RendixRun&) {
    EXPECT_FALSE(fs::exists("x264_2pass.log"));
    EXPECT_FALSE(fs::exists("ffmpeg2pass-0.log"));
}
void HeldToMaxRate(const std::string& out, const RendixRun& run) {
    EXPECT_NE(run.output.find("above -maxrate"), std::string::npos);
    EXPECT_LT(fs::file_size(out) * 8.0 / 1000.0 / 2.0, 450) << "256 kbit/s allowed";
}
void Tagged(const std::string& out, const RendixRun&) {
    ProbedMedia m = ProbeMedia(out);
    EXPECT_EQ(m["tags.title"], "Clip");
    EXPECT_EQ(m["tags.artist"], "Someone");
    EXPECT_EQ(m["tags.date"], "1999");
}

struct Case {
    const char* name;
    std::string (*input)();
    const char* options; // between the input and the output, split at blanks
    const char* output;
    Expectation want;
    void (*more)(const std::string& output, const RendixRun& run) = nullptr;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const char* const kMp4 = "mov,mp4,m4a,3gp,3g2,mj2";
// clang-format off
const Case kCases[] = {
    {"AmrWideBand", Song, "-f amr -ab 23850 -ar 16000 -ac 1 -vol 256 -acodec libamr_wb",
     "wide.amr", {"amr", "amr_wb", 16000, 1}, WideBandModeKept},
    {"AmrNarrowBandFromStereo", Song, "-f amr -ab 128000 -ar 44100 -ac 2 -acodec libamr_nb",
     "narrow.amr", {"amr", "amr_nb", 8000, 1}},
    {"H263PlusWithAmr", Clip,
     "-f 3gp -ab 12200 -ar 8000 -ac 1 -acodec libamr_nb -s 352*288 -b 384000 -vcodec h263p",
     "plus.3gp", {kMp4, "amr_nb", 8000, 1, "h263", 352, 288, 25}, Decodes},
    {"MonoAtDoubleVolume", Song, "-ar 22050 -ac 1 -vol 512", "loud mono.wav",
     {"wav", "pcm_s16le", 22050, 1}, TwiceAsLoud},
    {"CropThenScaleThenPad", Clip, "-f avi -acodec libmp3lame -s 320x240 -croptop 16 "
     "-cropbottom 16 -padtop 40 -padbottom 40 -vcodec mpeg4 -qscale 3",
     "boxed.avi", {"avi", "mp3", 44100, 2, "mpeg4", 320, 240, 25}, BlackBars},
    {"PaddingAddsToTheCroppedSize", Clip, "-f avi -acodec libmp3lame -cropleft 10 -cropright 10 "
     "-padleft 4 -padright 6 -vcodec mpeg4",
     "side bars.avi", {"avi", "mp3", 44100, 2, "mpeg4", 246, 192, 25}},
    {"OddSizeBecomesEven", Clip, "-f avi -acodec libmp3lame -s 175x143 -vcodec mpeg4", "odd.avi",
     {"avi", "mp3", 44100, 2, "mpeg4", 174, 142, 25}},
    {"WideDisplayAspect", Clip,
     "-f mp4 -acodec libfaac -s 320*240 -aspect 16:9 -b 512000 -vcodec libx264 -level 21",
     "wide.mp4", {kMp4, "aac", 44100, 2, "h264", 320, 240, 25}, Wide},
    {"TwoPassesX264", Clip, "-f mp4 -acodec libfaac -b 400000 -pass 2 -vcodec libx264",
     "two pass x264.mp4", {kMp4, "aac", 44100, 2, "h264", 256, 192, 25}, NoPassLogsHere},
    {"TwoPassesMpeg4", Clip, "-f mp4 -acodec libfaac -b 400000 -pass 2 -vcodec mpeg4",
     "two pass mpeg4.mp4", {kMp4, "aac", 44100, 2, "mpeg4", 256, 192, 25}, NoPassLogsHere},
    {"VbrLimits", Clip, "-f avi -an -b 768000 -minrate 256000 -maxrate 256000 -vcodec mpeg4",
     "vbr.avi", {"avi", nullptr, 0, 0, "mpeg4", 256, 192, 25}, HeldToMaxRate},
    {"StartAndDurationCutTheClip", Clip, "-f mp4 -acodec libfaac -ss 0.5 -t 1 -vcodec mpeg4",
     "cut.mp4", {kMp4, "aac", 44100, 2, "mpeg4", 256, 192, 25, 1.0}},
    {"StartAndDurationCutTheSong", Song, "-ss 1 -t 0.5", "cut.mp3",
     {"mp3", "mp3", 44100, 2, nullptr, 0, 0, 0, 0.5}},
    {"Tags", Clip, "-title Clip -author Someone -year 1999", "tagged.avi",
     {"avi", "mp3", 44100, 2, "mpeg4", 256, 192, 25}, Tagged},
    {"ScriptKeepingRate", [] { return Script("keep.avs", "25, convertfps=true", "23.98"); },
     "-f mp4 -acodec libfaac -vcodec mpeg4", "from script.mp4",
     {kMp4, "aac", 44100, 2, "mpeg4", 256, 192, 23.976}},
    {"ScriptSettingRate", [] { return Script("set.avs", "14.985, convertfps = true", "14.985"); },
     "-f avi -r 14.98 -vcodec mpeg4 -acodec libmp3lame", "from script.avi",
     {"avi", "mp3", 44100, 2, "mpeg4", 256, 192, 14.985}},
    {"PathsWithBlanksAndQuotes", QuotedNameCopy, "-f ogg -acodec vorbis",
     "out \"quoted\" name.ogg", {"ogg", "vorbis", 44100, 2}},
    {"FlashTakesTheNearestMp3Rate", Clip, "-f swf -ar 48000 -acodec libmp3lame -vcodec flv",
     "rates.swf", {"swf", "mp3", 44100, 2, "flv1", 256, 192, 25, -1}},
    {"Mpeg1TakesTheNearestFrameRate", Clip, "-f mpeg -acodec mp2 -r 14.98 -vcodec mpeg1video",
     "rates.mpg", {"mpeg", "mp2", 44100, 2, "mpeg1video", 256, 192, 23.976}},
};
// clang-format on

class RendixCase : public RendixMedia, public ::testing::WithParamInterface<Case> {};

} // namespace

TEST_P(RendixCase, ConvertsAndTheOutputHoldsWhatWasAskedFor) {
    const Case& c = GetParam();
    const fs::path tmp = Folder() + "/tmp " + c.name;
    fs::create_directories(tmp);
    std::vector<std::string> args = {"-i", c.input(), "-y"};
    std::istringstream options(c.options);
    for (std::string word; options >> word;)
        args.push_back(word);
    args.push_back(Out(c.output));
    RendixRun run = RunRendix(args, {"TMPDIR=" + tmp.string()});
    ExpectConverted(run, Out(c.output), c.want);
    EXPECT_TRUE(fs::is_empty(tmp)) << "temporary files left behind";
    if (c.more && run.exitCode == 0)
        c.more(Out(c.output), run);
}

INSTANTIATE_TEST_SUITE_P(NonDefault, RendixCase, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });
