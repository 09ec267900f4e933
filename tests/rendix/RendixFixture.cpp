#include "RendixFixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <unistd.h>

std::string RendixMedia::folder_;
std::string RendixMedia::media_;

namespace {

// Bump when the generated media change.
constexpr const char* kMediaVersion = "1";

bool MakeMedia(const std::string& folder) {
    const auto run = [](const std::string& command) { return std::system(command.c_str()) == 0; };
    const std::string quiet = "ffmpeg -nostdin -v error -y ";
    return run(quiet +
               "-f lavfi -i sine=f=440:d=2 -f lavfi -i sine=f=660:d=2 "
               "-filter_complex '[0][1]amerge=inputs=2' -ac 2 -c:a libmp3lame -b:a 128k "
               "-metadata title='Source Title' -metadata artist='Source Artist' '" +
               folder + "/tagged song.mp3'") &&
           run(quiet +
               "-f lavfi -i testsrc=s=256x192:r=25:d=2 -f lavfi -i sine=f=440:d=2 "
               "-ac 2 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -c:a aac -shortest '" +
               folder + "/clip.mp4'");
}

} // namespace

void RendixMedia::SetUpTestSuite() {
    if (!folder_.empty())
        return;
    namespace fs = std::filesystem;
    const fs::path tmp = fs::temp_directory_path();
    media_ =
        (tmp / ("rendix-test-media-" + std::to_string(::getuid()) + "-v" + kMediaVersion)).string();
    if (!fs::exists(fs::path(media_) / "ready")) {
        // Made aside and renamed into place, so parallel tests never see half a file.
        std::string pattern = (tmp / "rendix-test-media-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        ASSERT_TRUE(MakeMedia(pattern));
        std::ofstream(fs::path(pattern) / "ready") << "ok";
        std::error_code ignored;
        fs::rename(pattern, media_, ignored);
        if (ignored)
            fs::remove_all(pattern); // another process was first
    }
    ASSERT_TRUE(fs::exists(fs::path(media_) / "ready"));

    std::string pattern = (tmp / "rendix-tests-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    fs::create_directories(folder_ + "/out");
}

void RendixMedia::TearDownTestSuite() {
    if (!folder_.empty() && std::getenv("RENDIX_KEEP_TEST_MEDIA") == nullptr)
        std::filesystem::remove_all(folder_);
    folder_.clear();
}

ProbedMedia ExpectConverted(const RendixRun& run, const std::string& output,
                            const Expectation& want) {
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("Error"), std::string::npos) << run.output;
    const std::size_t press = run.output.find("Press [q] to stop encoding\n");
    EXPECT_NE(press, std::string::npos) << run.output;
    const bool video = want.videoCodec != nullptr;
    const bool timed = want.duration > 0;

    static const std::regex status(
        R"((frame=\s*\d+ )?size=\s*\d+kB time=(\d+\.\d\d) bitrate=\s*[\d.]+kbits/s\r)");
    const std::string rest = press == std::string::npos ? "" : run.output.substr(press);
    std::vector<double> times;
    for (auto it = std::sregex_iterator(rest.begin(), rest.end(), status);
         it != std::sregex_iterator(); ++it) {
        EXPECT_EQ((*it)[1].matched, video) << "frame= only for outputs with video";
        times.push_back(std::stod((*it)[2].str()));
    }
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << "time went back\n" << rest;
    EXPECT_TRUE(!times.empty() && (!timed || std::fabs(times.back() - want.duration) <= 0.1))
        << "the last status line's time is not the duration\n"
        << rest;

    ProbedMedia m = ProbeMedia(output);
    EXPECT_EQ(m["format.format_name"], want.container) << output;
    EXPECT_TRUE(!timed || std::fabs(Number(m, "format.duration") - want.duration) <=
                              std::max(0.1, want.duration / 10))
        << "lasts " << m["format.duration"] << " s";
    EXPECT_EQ(m["audio.codec_name"], want.audioCodec ? want.audioCodec : "");
    if (want.audioCodec) {
        EXPECT_EQ(Number(m, "audio.sample_rate"), want.sampleRate);
        EXPECT_EQ(Number(m, "audio.channels"), want.channels);
    }
    EXPECT_EQ(m["video.codec_name"], video ? want.videoCodec : "");
    if (video) {
        EXPECT_EQ(Number(m, "video.width"), want.width);
        EXPECT_EQ(Number(m, "video.height"), want.height);
        EXPECT_TRUE(want.frameRate <= 0 ||
                    std::fabs(Number(m, "video.r_frame_rate") - want.frameRate) < 0.001)
            << m["video.r_frame_rate"] << " frames a second";
    }
    return m;
}
