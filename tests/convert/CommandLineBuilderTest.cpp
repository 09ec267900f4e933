#include "convert/CommandLineBuilder.h"
#include "convert/ResolveEncoderValues.h"
#include "model/EncodingParams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmont {
namespace {

const std::string kEncoder = "/prog/Rendix";

// A job for /in/clip.avi resolved from the format's built-in defaults.
JobItem DefaultJob(FormatId formatId, bool hasVideo, bool hasAudio = true) {
    JobItem job;
    job.inputPath = "/in/clip.avi";
    job.outputName = "clip";
    job.formatId = formatId;
    job.hasAudio = hasAudio;
    job.hasVideo = hasVideo;
    job.state = JobState::Waiting;
    EncodingParams params = BuiltInDefaults(formatId);
    params.outputDir = "/out";
    ResolveEncoderValues(job, params);
    return job;
}

std::vector<std::string> CommandOf(JobItem job) {
    std::vector<std::string> command{kEncoder};
    const std::vector<std::string> arguments = BuildArguments(job);
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

std::string CommandLineOf(const JobItem& job) {
    return FormatCommandLine(CommandOf(job));
}

// Options as a line with a leading blank, as they follow the options before.
std::string Text(const std::vector<std::string>& options) {
    return options.empty() ? "" : " " + FormatCommandLine(options);
}

std::string ArgumentsOf(JobItem& job) {
    return FormatCommandLine(BuildArguments(job));
}

// Every format's default line is converted end to end by Rendix's
// DefaultLinesTest; here two lines in full: a video and an mp3 made from it.
TEST(CommandLineBuilderTest, DefaultLinesOfAVideoAndOfAnMp3FromAVideo) {
    EXPECT_EQ(CommandLineOf(DefaultJob(kFormatMp4, true)),
              "/prog/Rendix -i /in/clip.avi -f mp4 -ab 128000 -ar 44100 -ac 2 -vol 256 -acodec "
              "libfaac -s 320*240 -b 768000 -qscale 4.00 -pass 1 -vcodec libx264 -level 21 "
              "/out/clip.mp4");
    EXPECT_EQ(CommandLineOf(DefaultJob(kFormatMp3, true)),
              "/prog/Rendix -i /in/clip.avi -f mp3 -ab 128000 -ar 44100 -ac 2 -vol 256 -acodec "
              "libmp3lame -vn /out/clip.mp3");
}

TEST(CommandLineBuilderTest, AudioOptions) {
    // No audio stream: no audio option at all, not even -an.
    EXPECT_EQ(Text(BuildAudioOptions(DefaultJob(kFormatMp3, true, false))), "");

    JobItem silent = DefaultJob(kFormatMp3, false);
    silent.audio.enabled = false;
    EXPECT_EQ(Text(BuildAudioOptions(silent)), " -an");

    JobItem noCodec = DefaultJob(kFormatMp3, false);
    noCodec.audio.codec.clear();
    EXPECT_EQ(Text(BuildAudioOptions(noCodec)), " -ab 128000 -ar 44100 -ac 2 -vol 256");
}

// flac, wav, aiff and au keep the source's rate and channels ("Original");
// for a stereo 44.1 kHz source every format's line is what it always was.
TEST(CommandLineBuilderTest, OriginalRateAndChannelsAreTheSourcesOwn) {
    const auto audioOptions = [](FormatId id, const EncodingParams& params, int rate,
                                 int channels) {
        JobItem job;
        job.formatId = id;
        job.hasAudio = true;
        job.sourceSampleRate = rate;
        job.sourceChannels = channels;
        ResolveEncoderValues(job, params);
        return Text(BuildAudioOptions(job));
    };
    for (FormatId id = 0; id < 21; ++id) {
        EncodingParams earlier = BuiltInDefaults(id);
        if (earlier.audioChannels == kChannelsOriginal) {
            earlier.audioChannels = 2;
            earlier.audioSampleRateIndex = 4; // 44100 Hz
        }
        EXPECT_EQ(audioOptions(id, BuiltInDefaults(id), 44100, 2),
                  audioOptions(id, earlier, 44100, 2))
            << id;
    }
    const FormatId flac = 4;
    EXPECT_EQ(audioOptions(flac, BuiltInDefaults(flac), 96000, 6),
              " -ab 128000 -ar 96000 -ac 6 -vol 256 -acodec flac");
    // A source the probe could not read: the encoder keeps what it finds.
    EXPECT_EQ(audioOptions(flac, BuiltInDefaults(flac), 0, 0), " -ab 128000 -vol 256 -acodec flac");
}

TEST(CommandLineBuilderTest, VideoOptionsAndTheirConditions) {
    EXPECT_EQ(Text(BuildVideoOptions(DefaultJob(5, false))), "");

    JobItem job = DefaultJob(kFormatMp4, true);
    job.video.width = 0;
    job.video.frameRate = 0;
    EXPECT_EQ(Text(BuildVideoOptions(job)),
              " -b 768000 -qscale 4.00 -pass 1 -vcodec libx264 -level 21");

    JobItem full = DefaultJob(kFormatMp4, true);
    // Every option set, in the fields' order: height, width, rate, aspect, ...
    full.video = {240, 320, 29.97, 1, 768000, 2.5f, true, true, 256000, 1024000, 4096,
                  2,   1,   2,     3, 4,      5,    6,    7,    8,      "mpeg4"};
    EXPECT_EQ(Text(BuildVideoOptions(full)),
              " -s 320*240 -r 29.97 -aspect 16:9 -b 768000 -qscale 2.50 -minrate 256000 "
              "-maxrate 1024000 -bufsize 4096 -pass 2 -croptop 1 -cropbottom 2 -cropleft 3 "
              "-cropright 4 -padtop 5 -padbottom 6 -padleft 7 -padright 8 -vcodec mpeg4");

    full.video.aspect = 0;
    full.video.frameRate = 23.976;
    full.video.pass = 3;
    full.video.codec = "libx264 ";
    const std::string options = Text(BuildVideoOptions(full));
    EXPECT_NE(options.find(" -r 23.98 -aspect 4:3 "), std::string::npos) << options;
    EXPECT_EQ(options.find(" -pass "), std::string::npos) << options;
    EXPECT_EQ(options.find("-level"), std::string::npos) << options;

    full.video.enabled = false;
    EXPECT_EQ(Text(BuildVideoOptions(full)), " -vn");
}

TEST(CommandLineBuilderTest, TagAndTimeOptions) {
    JobItem job = DefaultJob(kFormatMp3, false);
    // Empty texts and zero numbers give no tag options.
    EXPECT_EQ(ArgumentsOf(job).find("-title"), std::string::npos);

    job.title = "Title";
    job.author = "Author";
    job.comment = "Comment";
    job.album = "Album";
    job.track = 3;
    job.year = 2007;
    job.startOffset = 5;
    job.duration = 60;
    job.clip = true;
    EXPECT_EQ(ArgumentsOf(job),
              "-i /in/clip.avi -f mp3 -ab 128000 -ar 44100 -ac 2 -vol 256 -acodec "
              "libmp3lame -ss 5 -t 60 -title Title -author Author -comment "
              "Comment -album Album -track 3 -year 2007 /out/clip.mp3");

    job.clip = false;
    EXPECT_EQ(ArgumentsOf(job).find(" -t "), std::string::npos);
}

TEST(CommandLineBuilderTest, QuotesInTagsCannotAddOptions) {
    JobItem job = DefaultJob(kFormatMp3, false);
    job.title = "Hit\" -f rawvideo \"/tmp/elsewhere";
    job.album = "Best of \\\"Q\\\"";
    job.outputName = "odd \"name\"";
    const std::vector<std::string> arguments = CommandOf(job);
    ASSERT_EQ(arguments.size(), 20u);
    EXPECT_EQ(arguments[16], job.title);
    EXPECT_EQ(arguments[18], job.album);
    EXPECT_EQ(arguments[19], "/out/odd \"name\".mp3");
}

TEST(CommandLineBuilderTest, OutputFolderAndPath) {
    JobItem job = DefaultJob(kFormatMp3, false);
    BuildArguments(job);
    // The folder keeps the separator it was given for the run, and only one.
    EXPECT_EQ(job.outputDirectory, "/out/");
    EXPECT_EQ(OutputPath(job), "/out/clip.mp3");
    BuildArguments(job);
    EXPECT_EQ(job.outputDirectory, "/out/");

    job.outputDirectory.clear();
    EXPECT_EQ(BuildArguments(job).back(), "clip.mp3");
    EXPECT_EQ(job.outputDirectory, "");

    // An unknown format has no extension, so no output path.
    job.formatId = kFormatCount;
    job.outputDirectory = "/out";
    EXPECT_EQ(OutputPath(job), "");
    EXPECT_EQ(ArgumentsOf(job), "-i /in/clip.avi -ab 128000 -ar 44100 -ac 2 -vol 256 "
                                "-acodec libmp3lame ''");

    // Only an output the user chose to overwrite may replace a file.
    job.existingOutput = ExistingOutput::Replace;
    EXPECT_EQ(BuildArguments(job)[2], "-y");
    job.existingOutput = ExistingOutput::TakeFreeName;
    EXPECT_EQ(BuildArguments(job)[2], "-keep-both");

    // Nothing to convert: no arguments, and the job stays as it is.
    JobItem empty = DefaultJob(kFormatMp3, false);
    empty.inputPath.clear();
    EXPECT_EQ(ArgumentsOf(empty), "");
    EXPECT_EQ(empty.outputDirectory, "/out");
}

} // namespace
} // namespace velmont
