// The non-default conversions that matter, each probed.
#include "RendixFixture.h"

#include <filesystem>
#include <fstream>
#include <regex>

namespace {

class RendixCases : public RendixMedia {};

std::vector<std::string> Args(std::initializer_list<std::string> list) {
    return list;
}

// The "time=" values of the status lines, in order.
std::vector<double> StatusTimes(const std::string& output) {
    std::vector<double> times;
    static const std::regex time(R"(size=\s*\d+kB time=(\d+\.\d\d) )");
    for (auto it = std::sregex_iterator(output.begin(), output.end(), time);
         it != std::sregex_iterator(); ++it)
        times.push_back(std::stod((*it)[1].str()));
    return times;
}

} // namespace

TEST_F(RendixCases, AmrWideBandAndHigherAmrRatesRoundDown) {
    std::string out = Out("wide.amr");
    RendixRun run =
        RunRendix(Args({"-i", AudioInput(), "-y", "-f", "amr", "-ab", "23850", "-ar", "16000",
                        "-ac", "1", "-vol", "256", "-acodec", "libamr_wb", out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(out);
    ASSERT_NE(m.find("audio"), nullptr);
    EXPECT_EQ(m.find("audio")->codec, "amr_wb");
    EXPECT_EQ(m.find("audio")->sampleRate, 16000);
    EXPECT_EQ(m.find("audio")->channels, 1);
    EXPECT_NEAR(m.duration, 2.0, 0.15);
    // 23.85 kbit/s for two seconds: about 6 kB; a lower mode would be smaller.
    EXPECT_GT(std::filesystem::file_size(out), 5500u);
}

TEST_F(RendixCases, H263PlusWithAmrIn3gp) {
    std::string out = Out("plus.3gp");
    RendixRun run = RunRendix(
        Args({"-i",      VideoInput(), "-y",     "-f",      "3gp",     "-ab",       "12200",
              "-ar",     "8000",       "-ac",    "1",       "-acodec", "libamr_nb", "-s",
              "352*288", "-b",         "384000", "-vcodec", "h263p",   out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(out);
    ASSERT_NE(m.find("video"), nullptr);
    EXPECT_EQ(m.find("video")->codec, "h263");
    EXPECT_EQ(m.find("video")->width, 352);
    EXPECT_EQ(m.find("video")->height, 288);
    EXPECT_EQ(m.find("audio")->codec, "amr_nb");
    EXPECT_GT(LumaOfRows(out, 100, 8), 0) << "the H.263+ stream does not decode";
}

TEST_F(RendixCases, MonoAndDoubleVolume) {
    std::string plain = Out("plain.wav"), loud = Out("loud mono.wav");
    ASSERT_EQ(
        RunRendix(Args({"-i", AudioInput(), "-y", "-ac", "2", "-vol", "256", plain})).exitCode, 0);
    RendixRun run = RunRendix(
        Args({"-i", AudioInput(), "-y", "-ar", "22050", "-ac", "1", "-vol", "512", loud}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(loud);
    EXPECT_EQ(m.find("audio")->channels, 1);
    EXPECT_EQ(m.find("audio")->sampleRate, 22050);
    double before = AudioPeak(plain), after = AudioPeak(loud);
    ASSERT_GT(before, 0.05);
    EXPECT_NEAR(after / before, 2.0, 0.25);
}

TEST_F(RendixCases, CropThenScaleThenBlackPadding) {
    std::string out = Out("boxed.avi");
    RendixRun run =
        RunRendix(Args({"-i",         VideoInput(), "-y",      "-f",         "avi", "-acodec",
                        "libmp3lame", "-s",         "320x240", "-croptop",   "16",  "-cropbottom",
                        "16",         "-padtop",    "40",      "-padbottom", "40",  "-vcodec",
                        "mpeg4",      "-qscale",    "3",       out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(out);
    ASSERT_NE(m.find("video"), nullptr);
    EXPECT_EQ(m.find("video")->width, 320);
    EXPECT_EQ(m.find("video")->height, 240);
    EXPECT_LT(LumaOfRows(out, 2, 30), 24) << "top padding is not black";
    EXPECT_LT(LumaOfRows(out, 210, 28), 24) << "bottom padding is not black";
    EXPECT_GT(LumaOfRows(out, 60, 100), 40) << "the picture is missing";
}

TEST_F(RendixCases, WideDisplayAspect) {
    std::string out = Out("wide.mp4");
    RendixRun run = RunRendix(
        Args({"-i", VideoInput(), "-y", "-f", "mp4", "-acodec", "libfaac", "-s", "320*240",
              "-aspect", "16:9", "-b", "512000", "-vcodec", "libx264", "-level", "21", out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(out);
    ASSERT_NE(m.find("video"), nullptr);
    EXPECT_NEAR(m.find("video")->displayAspect, 16.0 / 9.0, 0.01);
}

TEST_F(RendixCases, TwoPassesRunOneTimeLineAndLeaveNoStatistics) {
    std::filesystem::path tmp = Folder() + "/tmp two pass";
    std::filesystem::create_directories(tmp);
    for (const char* codec : {"libx264", "mpeg4"}) {
        std::string out = Out(std::string("two pass ") + codec + ".mp4");
        RendixRun run = RunRendix(Args({"-i", VideoInput(), "-y", "-f", "mp4", "-acodec", "libfaac",
                                        "-b", "400000", "-pass", "2", "-vcodec", codec, out}),
                                  {"TMPDIR=" + tmp.string()});
        ASSERT_EQ(run.exitCode, 0) << run.output;
        std::vector<double> times = StatusTimes(run.output);
        ASSERT_FALSE(times.empty());
        for (std::size_t i = 1; i < times.size(); ++i)
            EXPECT_GE(times[i], times[i - 1]) << "time went back in " << codec;
        EXPECT_NEAR(times.back(), 2.0, 0.1);
        ProbedMedia m = ProbeMedia(out);
        ASSERT_NE(m.find("video"), nullptr);
        EXPECT_NEAR(m.duration, 2.0, 0.2);
        EXPECT_TRUE(std::filesystem::is_empty(tmp)) << "statistics left behind";
    }
    EXPECT_FALSE(std::filesystem::exists("x264_2pass.log"));
    EXPECT_FALSE(std::filesystem::exists("ffmpeg2pass-0.log"));
}

TEST_F(RendixCases, VbrLimitsBoundTheBitRate) {
    std::string out = Out("vbr.avi");
    RendixRun run =
        RunRendix(Args({"-i", VideoInput(), "-y", "-f", "avi", "-an", "-b", "768000", "-minrate",
                        "256000", "-maxrate", "256000", "-vcodec", "mpeg4", out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("above -maxrate"), std::string::npos);
    ProbedMedia m = ProbeMedia(out);
    ASSERT_NE(m.find("video"), nullptr);
    double kbits = std::filesystem::file_size(out) * 8.0 / 1000.0 / 2.0;
    EXPECT_LT(kbits, 450) << "768 kbit/s asked but 256 kbit/s allowed";
}

TEST_F(RendixCases, StartAndDurationCutTheSource) {
    std::string out = Out("cut.mp4");
    RendixRun run = RunRendix(Args({"-i", VideoInput(), "-y", "-f", "mp4", "-acodec", "libfaac",
                                    "-ss", "0.5", "-t", "1", "-vcodec", "mpeg4", out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(out);
    EXPECT_NEAR(m.duration, 1.0, 0.1);
    std::string audioOut = Out("cut.mp3");
    run = RunRendix(Args({"-i", AudioInput(), "-y", "-ss", "1", "-t", "0.5", audioOut}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NEAR(ProbeMedia(audioOut).duration, 0.5, 0.1);
}

TEST_F(RendixCases, TagsReachVideoContainers) {
    for (const char* name : {"tagged.mp4", "tagged.avi", "tagged.flv"}) {
        std::string out = Out(name);
        RendixRun run = RunRendix(Args({"-i", VideoInput(), "-y", "-title", "Clip Title", "-author",
                                        "Clip Author", "-year", "1999", out}));
        ASSERT_EQ(run.exitCode, 0) << run.output;
        ProbedMedia m = ProbeMedia(out);
        EXPECT_EQ(m.tag("title"), "Clip Title") << name;
        EXPECT_EQ(m.tag("artist"), "Clip Author") << name;
    }
}

TEST_F(RendixCases, AviSynthWrapperOpensItsSourceAtTheScriptRate) {
    std::string keep = Folder() + "/keep rate.avs";
    std::ofstream(keep, std::ios::binary)
        << "# Generic File Input\r\nDirectShowSource(\"" << VideoInput()
        << "\", 25, convertfps=true)\r\nChangeFPS(23.98)\r\nreturn last\r\n";
    std::string out = Out("from script.mp4");
    RendixRun run = RunRendix(
        Args({"-i", keep, "-y", "-f", "mp4", "-acodec", "libfaac", "-vcodec", "mpeg4", out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(out);
    ASSERT_NE(m.find("video"), nullptr);
    EXPECT_NEAR(m.find("video")->frameRate, 23.976, 0.01);
    EXPECT_NE(m.find("audio"), nullptr);

    std::string set = Folder() + "/set rate.avs";
    std::ofstream(set, std::ios::binary)
        << "# Generic File Input\r\nDirectShowSource(\"" << VideoInput()
        << "\", 14.985, convertfps = true)\r\nChangeFPS(14.985)\r\nreturn last\r\n";
    run = RunRendix(Args({"-i", set, "-y", "-f", "avi", "-r", "14.98", "-vcodec", "mpeg4",
                          "-acodec", "libmp3lame", Out("from script.avi")}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NEAR(ProbeMedia(Out("from script.avi")).find("video")->frameRate, 14.985, 0.01);
}

TEST_F(RendixCases, PathsWithBlanksAndQuotes) {
    std::string input = Folder() + "/a \"quoted\" name with blanks.mp3";
    std::filesystem::copy_file(AudioInput(), input,
                               std::filesystem::copy_options::overwrite_existing);
    std::string out = Out("out \"quoted\" name.ogg");
    RendixRun run = RunRendix(Args({"-i", input, "-y", "-f", "ogg", "-acodec", "vorbis", out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ProbeMedia(out).find("audio")->codec, "vorbis");
}

TEST_F(RendixCases, StatusLinesEndInCarriageReturnsWithTwoDecimals) {
    std::string out = Out("status.mp4");
    RendixRun run = RunRendix(Args({"-i", VideoInput(), "-y", "-vcodec", "mpeg4", out}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::size_t press = run.output.find("Press [q] to stop encoding\n");
    ASSERT_NE(press, std::string::npos);
    std::string rest = run.output.substr(press);
    std::regex line(R"(frame=\s*\d+ size=\s*\d+kB time=\d+\.\d\d bitrate=\s*[\d.]+kbits/s\r)");
    EXPECT_TRUE(std::regex_search(rest, line)) << rest;
    std::vector<double> times = StatusTimes(rest);
    ASSERT_FALSE(times.empty());
    EXPECT_NEAR(times.back(), 2.0, 0.1);
    // Audio-only outputs have no frame counter.
    run = RunRendix(Args({"-i", AudioInput(), "-y", Out("status.flac")}));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.find("frame="), std::string::npos);
    EXPECT_NE(run.output.find("size="), std::string::npos);
}

TEST_F(RendixCases, UnsupportedRatesAndChannelsAreBroughtToTheNearest) {
    std::string swf = Out("rates.swf");
    RendixRun run = RunRendix(Args({"-i", VideoInput(), "-y", "-f", "swf", "-ar", "48000",
                                    "-acodec", "libmp3lame", "-vcodec", "flv", swf}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ProbeMedia(swf).find("audio")->sampleRate, 44100);

    std::string mpg = Out("rates.mpg");
    run = RunRendix(Args({"-i", VideoInput(), "-y", "-f", "mpeg", "-acodec", "mp2", "-r", "14.98",
                          "-vcodec", "mpeg1video", mpg}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NEAR(ProbeMedia(mpg).find("video")->frameRate, 23.976, 0.01);

    std::string amr = Out("rates.amr");
    run = RunRendix(Args({"-i", AudioInput(), "-y", "-f", "amr", "-ab", "128000", "-ar", "44100",
                          "-ac", "2", "-acodec", "libamr_nb", amr}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ProbedMedia m = ProbeMedia(amr);
    EXPECT_EQ(m.find("audio")->sampleRate, 8000);
    EXPECT_EQ(m.find("audio")->channels, 1);
}

TEST_F(RendixCases, AStartBeyondTheEndIsAFailureAndLeavesNoFile) {
    std::string out = Out("empty.mp3");
    RendixRun run = RunRendix(Args({"-i", AudioInput(), "-y", "-ss", "30", out}));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("Error: nothing was encoded"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}
