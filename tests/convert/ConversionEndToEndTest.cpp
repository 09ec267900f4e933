// Jobs converted by the real encoder, from resolving the job's values to
// probing the output. The encoder is the one built beside the program.
#include "convert/AviSynthScript.h"
#include "convert/ConversionEngine.h"
#include "convert/ConversionWorker.h"
#include "convert/ProbeMediaFile.h"
#include "convert/ResolveEncoderValues.h"
#include "model/Catalogue.h"
#include "platform/Process.h"
#include "platform/ProcessList.h"

#include "../platform/ProcessStateProbe.h"
#include "MediaTestSupport.h"
#include "RecordingJobEvents.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
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

// The encoder's temporary files ("*.tmp") in a folder.
int TempFilesIn(const std::string& folder) {
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        count += entry.path().extension() == ".tmp";
    return count;
}

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
        job.state = JobState::Waiting;
        EncodingParams params = BuiltInDefaults(formatId);
        params.outputDir = outputFolder;
        ResolveEncoderValues(job, params);
        return job;
    }

    JobOutcome Run(ConversionEngine& engine, const JobItem& job) {
        return engine.RunJob(job, events_);
    }

    // Runs the job and probes what it wrote. By the time the job is
    // reported ended its output is in place and no temporary file is left.
    JobItem ConvertAndProbe(const JobItem& job) {
        ConversionEngine engine(program_.Directory());
        const std::string output = output_.Path(job.outputName + GetFormatExtension(job.formatId));
        bool inPlaceWhenFinished = false;
        events_.whenFinished = [&] {
            inPlaceWhenFinished = fs::exists(output) && TempFilesIn(output_.Path("")) == 0;
        };
        EXPECT_EQ(Run(engine, job), JobOutcome::Converted) << events_.Header();
        EXPECT_TRUE(inPlaceWhenFinished);
        JobItem result;
        EXPECT_TRUE(ProbeMediaFile(output, result)) << output << "\n" << events_.Header();
        EXPECT_EQ(events_.LastProgress().percent, 100);
        return result;
    }

    static std::unique_ptr<SourceMedia> media_;
    test::TempFolder program_;
    test::TempFolder output_;
    RecordingJobEvents events_;
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
    EXPECT_EQ(Run(engine, job), JobOutcome::Converted) << events_.Header();
    JobItem output;
    EXPECT_TRUE(ProbeMediaFile(output_.Path("movie.mp4"), output)) << events_.Header();
    EXPECT_TRUE(output.hasVideo);
    EXPECT_TRUE(output.hasAudio);
}

TEST_F(ConversionEndToEndTest, AHugeTagIsCutAndTheLogSaysSo) {
    // Far more than one argument may hold: the encoder could not even start.
    JobItem job = ResolvedJob(media_->Clip(), kFormatMp3, output_.Path(""));
    job.title = std::string(200 * 1024, 'x');
    ConversionEngine engine(program_.Directory());
    EXPECT_EQ(Run(engine, job), JobOutcome::Converted) << events_.Header();
    EXPECT_NE(events_.Header().find("title tag was cut"), std::string::npos) << events_.Header();
    JobItem output;
    ASSERT_TRUE(ProbeMediaFile(output_.Path("clip.mp3"), output));
    EXPECT_GT(output.title.size(), 100u);
    EXPECT_LT(output.title.size(), 4096u);
}

TEST_F(ConversionEndToEndTest, StoppedJobLeavesNoOutputAndTheFolderAsItWas) {
    // Ten hours of silence: the encoder is still at it when it is stopped.
    const std::string source = output_.Path("live.flac");
    ASSERT_TRUE(
        test::MakeMedia("-f lavfi -i anullsrc=r=1000:cl=mono -t 36000 -c:a flac '" + source + "'"));
    JobItem job = ResolvedJob(source, kFormatMp3, output_.Path("out"));
    job.duration = kUnknownDuration;

    ConversionEngine engine(program_.Directory());
    auto run = std::async(std::launch::async, [&] { return Run(engine, job); });
    // Stop once the encoder has begun encoding.
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (events_.LastProgress().percent < 0 && std::chrono::steady_clock::now() < limit)
        std::this_thread::sleep_for(5ms);
    engine.StopJob();
    ASSERT_EQ(run.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(run.get(), JobOutcome::Stopped) << events_.Header();
    EXPECT_TRUE(fs::is_empty(output_.Path("out")));
    EXPECT_TRUE(events_.Has("stopped"));
}

TEST_F(ConversionEndToEndTest, AStopAfterTheOutputIsInPlaceLeavesItConverted) {
    // The encoder freezes right after putting its output over the old file;
    // the stop that comes then must not cost the user both files.
    JobItem job = ResolvedJob(media_->Clip(), kFormatMp3, output_.Path(""));
    job.existingOutput = ExistingOutput::Replace;
    ASSERT_TRUE(test::WriteWholeFile(output_.Path("clip.mp3"), "old file"));
    const std::string frozen = output_.Path("frozen");
    setenv("LD_PRELOAD", VELMONT_FAULT_PRELOAD, 1);
    setenv("FAULT_FREEZE_AFTER_RENAME", frozen.c_str(), 1);
    ConversionEngine engine(program_.Directory());
    auto run = std::async(std::launch::async, [&] { return Run(engine, job); });
    EXPECT_TRUE(Eventually([&] { return fs::exists(frozen); }));
    unsetenv("LD_PRELOAD");
    unsetenv("FAULT_FREEZE_AFTER_RENAME");
    engine.StopJob();
    ASSERT_EQ(run.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(run.get(), JobOutcome::Converted) << events_.Header();
    JobItem output;
    EXPECT_TRUE(ProbeMediaFile(output_.Path("clip.mp3"), output));
}

// The parent of a running process, 0 when there is none.
int ParentOf(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t close = line.rfind(')');
    return close == std::string::npos ? 0 : std::atoi(line.c_str() + close + 4);
}

TEST_F(ConversionEndToEndTest, AJobForkedByTheServerPausesAndResumesAndTheServersEndFailsOnlyIt) {
    const std::string source = output_.Path("live.flac");
    ASSERT_TRUE(
        test::MakeMedia("-f lavfi -i anullsrc=r=1000:cl=mono -t 36000 -c:a flac '" + source + "'"));
    JobItem job = ResolvedJob(source, kFormatMp3, output_.Path("out"));
    job.duration = kUnknownDuration;
    ConversionEngine engine(program_.Directory());
    auto run = std::async(std::launch::async, [&] { return Run(engine, job); });
    ASSERT_TRUE(Eventually([&] { return events_.LastProgress().percent >= 0; }, 20s));
    std::vector<int> encoders = FindProcessesByExecutable(program_.Path("Rendix"));
    ASSERT_EQ(encoders.size(), 2u); // the server and the job it forked
    if (ParentOf(encoders[0]) != getpid())
        std::swap(encoders[0], encoders[1]);
    const int server = encoders[0];
    ASSERT_EQ(ParentOf(encoders[1]), server);

    engine.PauseJob();
    ASSERT_TRUE(Eventually([&] { return events_.Has("paused"); }));
    engine.ResumeJob();
    const std::size_t seen = events_.Events().size();
    EXPECT_TRUE(Eventually([&] { return events_.Events().size() > seen + 2; }));
    EXPECT_TRUE(events_.Has("resumed"));

    kill(server, SIGKILL);
    ASSERT_EQ(run.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(run.get(), JobOutcome::Failed);
    EXPECT_NE(events_.Header().find("Rendix ended without an exit status"), std::string::npos)
        << events_.Header();
    EXPECT_TRUE(Eventually([&] { return ProcessEnded(encoders[1]); }));
    EXPECT_TRUE(fs::is_empty(output_.Path("out")));

    // The next job starts a server of its own.
    events_.Clear();
    EXPECT_EQ(Run(engine, ResolvedJob(media_->Clip(), kFormatMp3, output_.Path("out"))),
              JobOutcome::Converted);
    encoders = FindProcessesByExecutable(program_.Path("Rendix"));
    ASSERT_EQ(encoders.size(), 1u);
    EXPECT_NE(encoders[0], server);
}

// The dialog side of a batch: one recorder per row.
class RecordingDialog : public IConversionDialog {
  public:
    explicit RecordingDialog(std::size_t rows) : rows_(rows) {}
    void BatchStarted() override {}
    IJobEvents& EventsFor(std::size_t jobIndex) override { return rows_[jobIndex]; }
    void FinishConversion(BatchState) override { ++finished; }
    bool ShutDownComputer() override { return true; }
    void ShowShutDownFailed() override {}

    const RecordingJobEvents& Row(std::size_t row) const { return rows_[row]; }
    std::atomic<int> finished{0};

  private:
    std::vector<RecordingJobEvents> rows_;
};

TEST_F(ConversionEndToEndTest, SixSongsThreeAtOnceStopThenRestartConvertsExactlyTheRest) {
    constexpr int kSongs = 6;
    JobList jobs;
    for (int i = 0; i < kSongs; ++i) {
        const std::string source = output_.Path("song" + std::to_string(i) + ".wav");
        ASSERT_TRUE(test::MakeMedia("-f lavfi -i sine=f=" + std::to_string(300 + 100 * i) +
                                    ":d=2:r=22050 '" + source + "'"));
        jobs.Append(ResolvedJob(source, kFormatMp3, output_.Path("out")));
    }
    RecordingDialog dialog(kSongs);
    const std::string program = program_.Directory();
    ConversionWorker worker(
        jobs, [&] { return std::make_unique<ConversionEngine>(program); }, dialog, 3);
    worker.Start();
    // Stop as soon as the first song is done: the others are running or waiting.
    const auto anyDone = [&] {
        for (int i = 0; i < kSongs; ++i) {
            if (dialog.Row(i).Finished())
                return true;
        }
        return false;
    };
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (!anyDone() && std::chrono::steady_clock::now() < limit)
        std::this_thread::sleep_for(2ms);
    worker.Stop();
    ASSERT_TRUE(Eventually([&] { return dialog.finished == 1; }));
    EXPECT_TRUE(FindProcessesByExecutable(program + "Rendix").empty());
    int convertedBeforeStop = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(output_.Path("out"))) {
        // Only whole outputs of converted songs: no temporary or partial file.
        const std::string name = entry.path().filename().string();
        const std::size_t song = static_cast<std::size_t>(name[4] - '0');
        EXPECT_EQ(jobs[song].state, JobState::Converted) << name;
        EXPECT_EQ(name, "song" + std::to_string(song) + ".mp3");
        ++convertedBeforeStop;
    }
    EXPECT_GE(convertedBeforeStop, 1);

    worker.Restart();
    ASSERT_TRUE(Eventually([&] { return dialog.finished == 2; }));
    for (int i = 0; i < kSongs; ++i) {
        SCOPED_TRACE(i);
        const std::vector<std::string> events = dialog.Row(i).Events();
        EXPECT_EQ(std::count(events.begin(), events.end(), "finished Converted"), 1);
        EXPECT_EQ(dialog.Row(i).LastProgress().percent, 100);
        JobItem output;
        EXPECT_TRUE(ProbeMediaFile(output_.Path("out/song" + std::to_string(i) + ".mp3"), output));
        EXPECT_EQ(output.duration, 2);
    }
    EXPECT_TRUE(worker.Cancel());
}

} // namespace
} // namespace velmont
