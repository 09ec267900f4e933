// Jobs converted by the real encoder, from resolving the job's values to
// probing the output. The encoder is the one built beside the program.
#include "convert/AviSynthScript.h"
#include "convert/ConversionEngine.h"
#include "convert/MemoryListCells.h"
#include "convert/MemoryLogView.h"
#include "convert/ProbeMediaFile.h"
#include "convert/ResolveEncoderValues.h"
#include "model/Catalogue.h"
#include "platform/Process.h"

#include "MediaTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace velmont {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kRendix = VELMONT_BIN_DIR "/Rendix";

// Source media, each made on first use and kept for the suite.
class SourceMedia {
  public:
    bool Valid() const { return folder_.Valid(); }
    std::string Clip() { return Made("clip.mp4", "aac"); }
    std::string Movie() { return Made("movie.mkv", "libvorbis"); }

  private:
    std::string Made(const std::string& name, const std::string& audioCodec) {
        const std::string path = folder_.Path(name);
        if (!fs::exists(path)) {
            EXPECT_TRUE(test::MakeMedia("-f lavfi -i testsrc=d=1:s=160x120:r=25 -f lavfi "
                                        "-i sine=d=1:r=44100 -c:v mpeg4 -c:a " +
                                        audioCodec + " -shortest '" + path + "'"));
        }
        return path;
    }

    test::TempFolder folder_;
};

class ConversionEndToEndTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (fs::exists(kRendix))
            media_ = std::make_unique<SourceMedia>();
    }
    static void TearDownTestSuite() { media_.reset(); }

    void SetUp() override {
        if (!fs::exists(kRendix))
            GTEST_SKIP() << "the encoder is not built: " << kRendix;
        ASSERT_TRUE(media_ && media_->Valid());
        ASSERT_TRUE(program_.Valid() && output_.Valid());
        // The engine writes its script beside the encoder, so the encoder
        // is copied into a folder of the test's own. A copy, not a link: a
        // stray-encoder sweep matches the executable file, and a link would
        // let it reach encoders that other tests run at the same time.
        fs::copy_file(kRendix, program_.Path("Rendix"));
    }

    // A probed, waiting job resolved from its format's built-in defaults.
    JobItem ResolvedJob(const std::string& source, FormatId formatId,
                        const std::string& outputFolder) {
        JobItem job;
        job.inputPath = source;
        ProbeMediaFile(source, job);
        job.formatId = formatId;
        job.state = kJobWaiting;
        EncodingParams params = BuiltInDefaults(formatId);
        params.OutputDir = outputFolder;
        ResolveEncoderValues(job, params);
        return job;
    }

    int Run(ConversionEngine& engine, const JobItem& job) {
        engine.LoadJob(job);
        engine.SetLogView(&log_);
        engine.SetProgressCell(&cells_, 0, 1);
        return engine.RunJob();
    }

    // Runs the job and probes what it wrote.
    JobItem ConvertAndProbe(const JobItem& job) {
        ConversionEngine engine(program_.Directory());
        EXPECT_EQ(Run(engine, job), ConversionEngine::kFinished) << log_.Text();
        const std::string output = output_.Path(job.outputName + GetFormatExtension(job.formatId));
        JobItem result;
        EXPECT_TRUE(ProbeMediaFile(output, result)) << output << "\n" << log_.Text();
        EXPECT_FALSE(cells_.Cell(0, 2).coloured) << cells_.Cell(0, 2).text;
        EXPECT_EQ(cells_.Cell(0, 1).progress, 100);
        return result;
    }

    static std::unique_ptr<SourceMedia> media_;
    test::TempFolder program_;
    test::TempFolder output_;
    MemoryLogView log_;
    MemoryListCells cells_;
};

std::unique_ptr<SourceMedia> ConversionEndToEndTest::media_;

class FormatFamilyTest : public ConversionEndToEndTest,
                         public ::testing::WithParamInterface<FormatId> {};

TEST_P(FormatFamilyTest, ConvertsAVideoWithSound) {
    const FormatId formatId = GetParam();
    const JobItem output = ConvertAndProbe(ResolvedJob(media_->Clip(), formatId, output_.Path("")));
    EXPECT_TRUE(output.hasAudio);
    EXPECT_EQ(output.hasVideo, IsVideoFormat(formatId));
    EXPECT_GE(output.duration, 0);
    EXPECT_LE(output.duration, 2);
}

// A few families; Rendix's own tests probe every format.
INSTANTIATE_TEST_SUITE_P(Formats, FormatFamilyTest,
                         ::testing::Values(2 /* amr */, 5 /* m4a */, 7 /* mp3 */, 12 /* 3gp */,
                                           15 /* mp4 */, 16 /* mpg */, kFormatWebm),
                         [](const ::testing::TestParamInfo<FormatId>& info) {
                             return GetFormatName(info.param);
                         });

TEST_F(ConversionEndToEndTest, UnknownSourceExtensionGoesThroughTheScript) {
    const JobItem job = ResolvedJob(media_->Movie(), kFormatMp4, output_.Path(""));
    ConversionEngine engine(program_.Directory());
    EXPECT_EQ(Run(engine, job), ConversionEngine::kFinished) << log_.Text();
    EXPECT_EQ(engine.Job().inputPath, program_.Path(kAviSynthScriptName));
    EXPECT_NE(test::ReadWholeFile(engine.Job().inputPath).find(media_->Movie()), std::string::npos);
    JobItem output;
    EXPECT_TRUE(ProbeMediaFile(output_.Path("movie.mp4"), output)) << log_.Text();
    EXPECT_TRUE(output.hasVideo);
    EXPECT_TRUE(output.hasAudio);
}

TEST_F(ConversionEndToEndTest, StoppedJobLeavesNoOutput) {
    // A named pipe fed at twenty times real time: the encoder waits in the middle of its
    // run until it is stopped. The feeder dies with its ChildProcess.
    const std::string live = output_.Path("live.wav");
    ASSERT_EQ(mkfifo(live.c_str(), 0600), 0);
    ChildProcess feeder;
    std::error_code error;
    ASSERT_EQ(
        feeder.Start(
            "ffmpeg -nostdin -v error -readrate 20 -f lavfi -i sine=d=600:r=8000 -f wav -y \"" +
                live + "\"",
            error),
        ChildProcess::StartResult::Started)
        << error.message();
    JobItem job;
    job.inputPath = output_.Path("live.wav");
    job.outputName = "live";
    job.formatId = kFormatMp3;
    job.hasAudio = true;
    job.duration = kUnknownDuration;
    job.state = kJobWaiting;
    EncodingParams params = BuiltInDefaults(kFormatMp3);
    params.OutputDir = output_.Path("out");
    ResolveEncoderValues(job, params);

    ConversionEngine engine(program_.Directory());
    const std::string output = output_.Path("out/live.mp3");
    auto run = std::async(std::launch::async, [&] { return Run(engine, job); });
    // Stop once the encoder has opened its output and begun encoding.
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (!(fs::exists(output) && cells_.Cell(0, 1).progressUpdates > 0) &&
           std::chrono::steady_clock::now() < limit)
        std::this_thread::sleep_for(10ms);
    const bool wroteOutput = fs::exists(output);
    engine.StopJob();
    ASSERT_EQ(run.wait_for(20s), std::future_status::ready);
    EXPECT_TRUE(wroteOutput) << log_.Text();
    EXPECT_EQ(run.get(), ConversionEngine::kStopped);
    EXPECT_FALSE(fs::exists(output));
    EXPECT_EQ(cells_.Cell(0, 2).text, "Stopped!");
}

} // namespace
} // namespace velmont
