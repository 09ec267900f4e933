#include "RendixFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

std::string RendixMedia::folder_;
std::string RendixMedia::media_;

namespace {

// Bump when the generated media change.
constexpr const char* kMediaVersion = "1";

bool MakeMedia(const std::string& folder) {
    const std::string quiet = "ffmpeg -nostdin -v error -y ";
    return RunShell(quiet +
                    "-f lavfi -i sine=f=440:d=2 -f lavfi -i sine=f=660:d=2 "
                    "-filter_complex '[0][1]amerge=inputs=2' -ac 2 -c:a libmp3lame -b:a 128k "
                    "-metadata title='Source Title' -metadata artist='Source Artist' '" +
                    folder + "/tagged song.mp3'") &&
           RunShell(quiet +
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
