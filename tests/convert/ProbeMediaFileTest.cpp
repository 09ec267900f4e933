#include "convert/ProbeMediaFile.h"

#include "MediaTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace velmont {
namespace {

class ProbeMediaFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.Valid()); }

    // Probes a fresh job for the file.
    JobItem Probe(const std::string& path, bool expectedResult = true) {
        JobItem job;
        job.inputPath = path;
        EXPECT_EQ(ProbeMediaFile(path, job), expectedResult) << path;
        return job;
    }

    test::TempFolder folder_;
};

// What a probe found, in one line: name, seconds, streams and tags.
std::string Summary(const JobItem& j) {
    return j.outputName + " " + std::to_string(j.duration) + "s" + (j.hasAudio ? " A" : "") +
           (j.hasVideo ? " V" : "") + " [" + j.title + "|" + j.author + "|" + j.comment + "|" +
           j.album + "|" + std::to_string(j.track) + "|" + std::to_string(j.year) + "]";
}

struct ProbeCase {
    const char* file;
    std::string ffmpegArguments; // before the output path
    std::string summary;
};

TEST_F(ProbeMediaFileTest, MediaFilesGiveTheirNameLengthStreamsAndTags) {
    const std::string sine = "-f lavfi -i sine=d=1 ";
    const std::string unknown = std::to_string(kUnknownDuration);
    const ProbeCase cases[] = {
        {"Tagged Song.v2.mp3",
         sine + "-metadata title='Say \"hi\"' -metadata artist=Artist -metadata comment=Comment "
                "-metadata album=Album -metadata track=3/12 -metadata date=2007-05-01",
         "Tagged Song.v2 1s A [Say \"hi\"|Artist|Comment|Album|3|2007]"},
        {"other.mkv", sine + "-metadata author=Writer -metadata year=1999",
         "other 1s A [|Writer|||0|1999]"},
        // Ogg keeps its comments with the stream, not the container.
        {"vorbis.ogg", sine + "-c:a libvorbis -metadata title=Ogg -metadata artist=Singer",
         "vorbis 1s A [Ogg|Singer|||0|0]"},
        {"clip.mp4",
         "-f lavfi -i testsrc=d=2:s=64x48:r=10 -f lavfi -i sine=d=2 -c:v mpeg4 -shortest",
         "clip 2s A V [||||0|0]"},
        // Cover art is no video, and its type ("Other") no comment; a video
        // track's name is no title.
        {"with cover.mp3",
         sine + "-f lavfi -i testsrc=s=32x32:d=0.04 -map 0 -map 1 -frames:v 1 -c:v png "
                "-disposition:v attached_pic",
         "with cover 1s A [||||0|0]"},
        {"named track.webm",
         "-f lavfi -i testsrc=d=1:s=64x48:r=10 -f lavfi -i sine=d=1 -c:v libvpx -deadline "
         "realtime -c:a libopus -shortest -metadata:s:v title=Video -metadata:s:a title=Song",
         "named track 1s A V [Song||||0|0]"},
        {"long.wav", "-f lavfi -i anullsrc=r=8000:cl=mono -t 59.9", "long 59s A [||||0|0]"},
        {"noext", sine + "-f wav", "noext 1s A [||||0|0]"},
    };
    for (const ProbeCase& c : cases) {
        const std::string path = folder_.Path(c.file);
        ASSERT_TRUE(test::MakeMedia(c.ffmpegArguments + " '" + path + "'")) << c.file;
        EXPECT_EQ(Summary(Probe(path)).substr(0, c.summary.size()), c.summary);
    }
    // A Matroska file written to a pipe carries no duration.
    const std::string streamed = folder_.Path("streamed.mkv");
    ASSERT_TRUE(test::MakeMedia(
        "-f lavfi -i testsrc=d=1:s=64x48:r=10 -c:v mpeg4 -f matroska - > '" + streamed + "'"));
    EXPECT_EQ(Summary(Probe(streamed)), "streamed " + unknown + "s V [||||0|0]");
}

TEST_F(ProbeMediaFileTest, TextFileNamedLikeMediaOrMissingFile) {
    const std::string path = folder_.Path("notes.mp3");
    ASSERT_TRUE(test::WriteWholeFile(path, "These are notes, not sound.\n"));
    JobItem fresh;
    fresh.inputPath = path;
    fresh.outputName = "notes";
    fresh.duration = kUnknownDuration;
    EXPECT_EQ(Probe(path, false), fresh); // every other field as in a fresh job

    // A file that is gone keeps the name it had.
    EXPECT_EQ(Probe(folder_.Path("gone.mp3"), false).outputName, "");
}

// Only regular files are read, by their plain names: a FIFO, folder or device
// is not media (and never waited on), nor is a protocol-like name of a file.
TEST_F(ProbeMediaFileTest, OnlyRegularFilesByPlainNameAreMedia) {
    const std::string media = folder_.Path("real.wav");
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i sine=d=1 '" + media + "'"));
    ASSERT_EQ(::mkfifo(folder_.Path("fifo.mp3").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(folder_.Path("folder.mp3").c_str(), 0700), 0);
    for (const std::string& path :
         {folder_.Path("fifo.mp3"), folder_.Path("folder.mp3"), std::string("/dev/zero"),
          "file:" + media, std::string("pipe:0")}) {
        const JobItem job = Probe(path, false);
        EXPECT_EQ(job.duration, kUnknownDuration) << path;
        EXPECT_FALSE(job.hasAudio) << path;
    }
}

} // namespace
} // namespace velmont
