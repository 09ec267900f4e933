#include "convert/ConversionEngine.h"
#include "convert/AviSynthScript.h"
#include "platform/Process.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"
#include "MediaTestSupport.h"
#include "RecordingJobEvents.h"

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
  killed) echo partial > "$(dirname "$output")/.song.mp3.rendix-$$-abcdef.tmp"
     exec 3< "$(dirname "$output")/.song.mp3.rendix-$$-abcdef.tmp"; flock -x 3; kill -9 $$ ;;
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
        job.state = JobState::Waiting;
        return job;
    }

    JobOutcome Run(ConversionEngine& engine, const JobItem& job) {
        events_.Clear();
        return engine.RunJob(job, events_);
    }

    test::TempFolder program_;
    test::TempFolder media_;
    std::string source_;
    RecordingJobEvents events_;
};

TEST_F(ConversionEngineTest, ConvertedRunKeepsItsOutputInAFolderMadeForIt) {
    ConversionEngine engine(program_.Directory());
    JobItem job = WaitingJob();
    job.outputDirectory = media_.Path("a/b/c");
    EXPECT_EQ(Run(engine, job), JobOutcome::Converted);
    const std::string output = media_.Path("a/b/c/song.mp3");
    EXPECT_EQ(test::ReadWholeFile(output), "encoded\n");
    EXPECT_NE(test::ReadWholeFile(program_.Path("arguments")).find("|" + output + "|"),
              std::string::npos);
    EXPECT_EQ(test::ReadWholeFile(source_), "source bytes");
    EXPECT_EQ(events_.Milestones(),
              (std::vector<std::string>{"started", "duration 2", "finished Converted"}));
    EXPECT_EQ(events_.LastProgress().percent, 100);
}

TEST_F(ConversionEngineTest, JobsThatCannotRun) {
    ConversionEngine engine(program_.Directory());
    for (const JobState state : {JobState::NotSelected, JobState::Converted}) {
        JobItem job = WaitingJob();
        job.state = state;
        EXPECT_EQ(Run(engine, job), JobOutcome::NotStarted);
        EXPECT_TRUE(events_.Events().empty());
    }
    EXPECT_FALSE(fs::exists(program_.Path("arguments")));
    EXPECT_FALSE(fs::exists(media_.Path("out")));

    ConversionEngine missing(media_.Path("no-program-here"));
    EXPECT_EQ(Run(missing, WaitingJob()), JobOutcome::NotStarted);
    EXPECT_NE(events_.Header().find("Error creating process"), std::string::npos);
    EXPECT_TRUE(events_.Has("finished NotStarted"));
}

TEST_F(ConversionEngineTest, TheOutputPathIsNeverDeletedAndAKilledEncodersFileIs) {
    // Whatever a failed run finds at the output path (another program's
    // file, say) stays; an encoder killed before it could remove its
    // temporary file has it removed and the job says how it ended.
    fs::create_directories(media_.Path("out"));
    const std::string output = media_.Path("out/song.mp3");
    // The killed encoder's file is gone before the job is reported ended.
    std::ptrdiff_t filesWhenFinished = -1;
    events_.whenFinished = [&] {
        filesWhenFinished = std::distance(fs::directory_iterator(media_.Path("out")), {});
    };
    for (const char* mode : {"empty", "fail-late", "fail-early", "killed"}) {
        SCOPED_TRACE(mode);
        SetMode(mode);
        ASSERT_TRUE(test::WriteWholeFile(output, "earlier output"));
        ConversionEngine engine(program_.Directory());
        Run(engine, WaitingJob());
        EXPECT_TRUE(fs::exists(output));
        EXPECT_EQ(filesWhenFinished, 1);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(media_.Path("out")), {}), 1);
    EXPECT_NE(events_.Header().find("Rendix was killed by signal 9"), std::string::npos);
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
        EXPECT_EQ(Run(engine, job), JobOutcome::Failed);
        EXPECT_EQ(test::ReadWholeFile(source), "the only copy");
    }
}

TEST_F(ConversionEngineTest, OtherSourcesAreWrappedInAScriptOfTheirOwn) {
    ConversionEngine engine(program_.Directory());
    // Which extensions are known is checked with KnownInputExtensions.
    JobItem known = WaitingJob();
    known.inputPath = media_.Path("SONG.MP3");
    EXPECT_EQ(engine.PrepareJob(known, program_.Path("script.avs")).inputPath, known.inputPath);
    EXPECT_FALSE(fs::exists(program_.Path("script.avs")));

    for (const std::string name : {"movie.MKV", "no_dot_at_all"}) {
        JobItem job = WaitingJob();
        job.inputPath = media_.Path(name);
        job.formatId = kFormatMp4;
        job.hasVideo = true;
        job.video.frameRate = 23.976;
        const std::string script = program_.Path(name + ".avs");
        EXPECT_EQ(engine.PrepareJob(job, script).inputPath, script);
        EXPECT_EQ(test::ReadWholeFile(script),
                  FormatAviSynthScript(job.inputPath, kFormatMp4, 23.976));
    }
    // A script that cannot be written leaves the job with its own input.
    JobItem job = WaitingJob();
    job.inputPath = media_.Path("movie.mkv");
    EXPECT_EQ(engine.PrepareJob(job, media_.Path("missing/x.avs")).inputPath, job.inputPath);

    // A run's script lives in a private folder that goes with the run.
    job.state = JobState::Waiting;
    Run(engine, job);
    const std::string arguments = test::ReadWholeFile(program_.Path("arguments"));
    const std::string scriptPath = arguments.substr(3, arguments.find('|', 3) - 3);
    EXPECT_NE(scriptPath.find("templateFile.avs"), std::string::npos);
    EXPECT_FALSE(fs::exists(fs::path(scriptPath).parent_path()));
}

TEST(ConversionEngineOutput, EncoderWritingOneByteAtATimeConvertsAndKeepsItsOutput) {
    EncoderCopies copies;
    copies.Copy("program/Rendix");
    test::TempFolder media;
    ASSERT_TRUE(test::WriteWholeFile(media.Path("song.wav"), "source"));
    setenv("FAKE_ENCODER_STEPS",
           "bytewise:Input #0\\n  Duration: 00:00:04.00\\nPress [q] to stop encoding\\n"
           "size= 1kB time=2.00 bitrate=1\\rsize= 2kB time=4.00 bitrate=1\\r\\n\noutput",
           1);
    JobItem job;
    job.inputPath = media.Path("song.wav");
    job.outputName = "song";
    job.outputDirectory = media.Directory();
    job.formatId = kFormatMp3;
    job.duration = kUnknownDuration;
    job.state = JobState::Waiting;
    RecordingJobEvents events;
    EXPECT_EQ(ConversionEngine(copies.Path("program/")).RunJob(job, events), JobOutcome::Converted);
    unsetenv("FAKE_ENCODER_STEPS");
    EXPECT_EQ(events.LastProgress().percent, 100);
    EXPECT_EQ(test::ReadWholeFile(media.Path("song.mp3")), "encoded");
}

} // namespace
} // namespace velmont
