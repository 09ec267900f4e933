#include "convert/ConversionEngine.h"
#include "convert/AviSynthScript.h"
#include "convert/MemoryListCells.h"
#include "convert/MemoryLogView.h"
#include "platform/Process.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"
#include "MediaTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

namespace velmont {
namespace {

namespace fs = std::filesystem;

// A stand-in for the encoder: records its arguments (each closed by |) and
// acts as the file "mode" beside it says, writing to its last argument.
constexpr const char* kFakeEncoder = R"(#!/bin/sh
dir=$(dirname "$0")
printf '%s|' "$@" > "$dir/arguments"
mode=$(cat "$dir/mode" 2>/dev/null)
for output do :; done
echo "Input #0, wav, from 'x':"
echo "  Duration: 00:00:02.00, bitrate: 1 kb/s"
case "$mode" in
  fail-early) echo "Unknown option"; exit 1 ;;
  touch-fail) touch "$output"; echo "Refused"; exit 1 ;;
  empty) : > "$output"; echo "Press [q] to stop encoding"; exit 0 ;;
  fail-late) echo partial > "$output"; echo "Press [q] to stop encoding"; exit 1 ;;
  *) echo encoded > "$output"; echo "Press [q] to stop encoding"
     echo "size=       1kB time=2.00 bitrate=   1kbits/s"; exit 0 ;;
esac
)";

class ConversionEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program_.Valid() && media_.Valid());
        const std::string encoder = program_.Path("Rendix");
        ASSERT_TRUE(test::WriteWholeFile(encoder, kFakeEncoder));
        fs::permissions(encoder, fs::perms::owner_all);
        source_ = media_.Path("song.wav");
        ASSERT_TRUE(test::WriteWholeFile(source_, "source bytes"));
    }

    void SetMode(const std::string& mode) {
        ASSERT_TRUE(test::WriteWholeFile(program_.Path("mode"), mode));
    }

    // A waiting mp3 job for the source, its output going to out/.
    JobItem WaitingJob() const {
        JobItem job;
        job.inputPath = source_;
        job.outputName = "song";
        job.outputDirectory = media_.Path("out");
        job.formatId = kFormatMp3;
        job.hasAudio = true;
        job.duration = 2;
        job.state = kJobWaiting;
        return job;
    }

    int Run(ConversionEngine& engine, const JobItem& job) {
        engine.LoadJob(job);
        engine.SetLogView(&log_);
        engine.SetProgressCell(&cells_, 0, 1);
        return engine.RunJob();
    }

    test::TempFolder program_;
    test::TempFolder media_;
    std::string source_;
    MemoryLogView log_;
    MemoryListCells cells_;
};

TEST_F(ConversionEngineTest, FinishedRunKeepsItsOutput) {
    ConversionEngine engine(program_.Directory());
    EXPECT_EQ(Run(engine, WaitingJob()), ConversionEngine::kFinished);
    const std::string output = media_.Path("out/song.mp3");
    EXPECT_EQ(test::ReadWholeFile(output), "encoded\n");
    EXPECT_EQ(engine.Job().outputDirectory, media_.Path("out/"));
    EXPECT_NE(test::ReadWholeFile(program_.Path("arguments")).find("|" + output + "|"),
              std::string::npos);
    EXPECT_EQ(test::ReadWholeFile(source_), "source bytes");
    EXPECT_NE(log_.Text().find("Duration: 00:00:02.00"), std::string::npos);
    EXPECT_EQ(cells_.Cell(0, 1).progress, 100);
}

TEST_F(ConversionEngineTest, OutputFolderIsCreatedWithItsParents) {
    ConversionEngine engine(program_.Directory());
    JobItem job = WaitingJob();
    job.outputDirectory = media_.Path("a/b/c");
    EXPECT_EQ(Run(engine, job), ConversionEngine::kFinished);
    EXPECT_TRUE(fs::is_regular_file(media_.Path("a/b/c/song.mp3")));
    EXPECT_EQ(engine.Job().outputDirectory, media_.Path("a/b/c/"));
}

TEST_F(ConversionEngineTest, JobThatIsNotWaitingDoesNotRun) {
    ConversionEngine engine(program_.Directory());
    for (const int state : {kJobNotSelected, kJobConverted}) {
        JobItem job = WaitingJob();
        job.state = state;
        EXPECT_EQ(Run(engine, job), ConversionEngine::kNotRun);
    }
    EXPECT_FALSE(fs::exists(program_.Path("arguments")));
    EXPECT_FALSE(fs::exists(media_.Path("out")));
}

TEST_F(ConversionEngineTest, MissingEncoderCannotStart) {
    ConversionEngine engine(media_.Path("no-program-here"));
    EXPECT_EQ(Run(engine, WaitingJob()), ConversionEngine::kNotRun);
    EXPECT_NE(log_.Text().find("Error creating process"), std::string::npos);
}

TEST_F(ConversionEngineTest, CleanUpAfterARun) {
    // Empty and failed outputs go; a file the encoder never wrote stays.
    const std::pair<const char*, const char*> cases[] = {
        {"empty", nullptr}, {"fail-late", nullptr}, {"fail-early", "earlier output"}};
    fs::create_directories(media_.Path("out"));
    const std::string output = media_.Path("out/song.mp3");
    for (const auto& [mode, kept] : cases) {
        SCOPED_TRACE(mode);
        SetMode(mode);
        ASSERT_TRUE(test::WriteWholeFile(output, "earlier output"));
        ConversionEngine engine(program_.Directory());
        EXPECT_EQ(Run(engine, WaitingJob()), ConversionEngine::kFinished);
        EXPECT_EQ(fs::exists(output), kept != nullptr);
    }
}

TEST_F(ConversionEngineTest, OutputThatIsTheSourceIsNeverDeleted) {
    SetMode("touch-fail");
    ConversionEngine engine(program_.Directory());
    fs::create_directory_symlink(media_.Path(""), media_.Path("link"));
    const std::string source = media_.Path("song.mp3");
    ASSERT_TRUE(test::WriteWholeFile(source, "the only copy"));
    // The same file, spelt three ways.
    for (const std::string& folder :
         {media_.Path(""), media_.Path("./out/.."), media_.Path("link")}) {
        SCOPED_TRACE(folder);
        JobItem job = WaitingJob();
        job.inputPath = source;
        job.outputDirectory = folder;
        EXPECT_EQ(Run(engine, job), ConversionEngine::kFinished);
        EXPECT_EQ(test::ReadWholeFile(source), "the only copy");
    }
}

TEST_F(ConversionEngineTest, KnownExtensionsAreOpenedDirectly) {
    ConversionEngine engine(program_.Directory());
    // Which extensions are known is checked with KnownInputExtensions.
    for (const std::string name : {"SONG.MP3", ""}) {
        JobItem job = WaitingJob();
        job.inputPath = name.empty() ? name : media_.Path(name);
        engine.LoadJob(job);
        EXPECT_EQ(engine.Job(), job) << name;
    }
    EXPECT_FALSE(fs::exists(engine.ScriptPath()));
}

TEST_F(ConversionEngineTest, OtherSourcesAreWrappedInAScript) {
    ConversionEngine engine(program_.Directory());
    for (const std::string name : {"movie.MKV", "no_dot_at_all"}) {
        JobItem job = WaitingJob();
        job.inputPath = media_.Path(name);
        job.formatId = kFormatMp4;
        job.hasVideo = true;
        job.video.frameRate = 23.976;
        engine.LoadJob(job);
        EXPECT_EQ(engine.ScriptPath(), program_.Path("templateFile.avs"));
        EXPECT_EQ(engine.Job().inputPath, engine.ScriptPath());
        EXPECT_EQ(test::ReadWholeFile(engine.ScriptPath()),
                  FormatAviSynthScript(job.inputPath, kFormatMp4, 23.976));
    }

    // Without a writable program folder the job runs with its own input.
    ConversionEngine unwritable(media_.Path("missing-folder"));
    EXPECT_EQ(unwritable.ProgramDirectory(), media_.Path("missing-folder/"));
    JobItem job = WaitingJob();
    job.inputPath = media_.Path("movie.mkv");
    unwritable.LoadJob(job);
    EXPECT_EQ(unwritable.Job().inputPath, job.inputPath);
}

TEST(ConversionEngineStrays, KillStrayEncodersEndsEncodersOfThisFolder) {
    // Which processes match is checked with TerminateProcessesByModuleName.
    EncoderCopies copies;
    ChildProcess stray;
    std::error_code error;
    ASSERT_EQ(stray.Start(Quoted(copies.Copy("program/Rendix")) + " sleep:60000", error),
              ChildProcess::StartResult::Started);
    ConversionEngine(copies.Path("program/")).KillStrayEncoders();
    EXPECT_TRUE(
        Eventually([&] { return stray.TryWait(error) == ChildProcess::WaitResult::Ended; }));
    EXPECT_TRUE(stray.Status().signalled);
}

} // namespace
} // namespace velmont
