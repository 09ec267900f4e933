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

TEST_F(ProbeMediaFileTest, TaggedAudio) {
    const std::string path = folder_.Path("Tagged Song.v2.mp3");
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i sine=d=1 -metadata title='Say \"hi\"' "
                                "-metadata artist=Artist -metadata comment=Comment "
                                "-metadata album=Album -metadata track=3/12 "
                                "-metadata date=2007-05-01 '" +
                                path + "'"));
    const JobItem job = Probe(path);
    EXPECT_EQ(job.outputName, "Tagged Song.v2");
    EXPECT_EQ(job.duration, 1);
    EXPECT_EQ(job.title, "Say \"hi\"");
    EXPECT_EQ(job.author, "Artist");
    EXPECT_EQ(job.comment, "Comment");
    EXPECT_EQ(job.album, "Album");
    EXPECT_EQ(job.track, 3);
    EXPECT_EQ(job.year, 2007);
    EXPECT_TRUE(job.hasAudio);
    EXPECT_FALSE(job.hasVideo);
}

TEST_F(ProbeMediaFileTest, AuthorAndYearUnderTheirOtherNames) {
    const std::string path = folder_.Path("other.mkv");
    ASSERT_TRUE(test::MakeMedia(
        "-f lavfi -i sine=d=1 -metadata author=Writer -metadata year=1999 '" + path + "'"));
    const JobItem job = Probe(path);
    EXPECT_EQ(job.author, "Writer");
    EXPECT_EQ(job.year, 1999);
    EXPECT_EQ(job.track, 0);
    EXPECT_EQ(job.title, "");
}

TEST_F(ProbeMediaFileTest, TagsKeptOnTheStreamAreFound) {
    // Ogg keeps its comments with the stream, not the container.
    const std::string path = folder_.Path("vorbis.ogg");
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i sine=d=1 -c:a libvorbis -metadata title=Ogg "
                                "-metadata artist=Singer '" +
                                path + "'"));
    const JobItem job = Probe(path);
    EXPECT_EQ(job.title, "Ogg");
    EXPECT_EQ(job.author, "Singer");
}

TEST_F(ProbeMediaFileTest, VideoWithSound) {
    const std::string path = folder_.Path("clip.mp4");
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i testsrc=d=2:s=64x48:r=10 -f lavfi -i sine=d=2 "
                                "-c:v mpeg4 -shortest '" +
                                path + "'"));
    const JobItem job = Probe(path);
    EXPECT_EQ(job.outputName, "clip");
    EXPECT_EQ(job.duration, 2);
    EXPECT_TRUE(job.hasAudio);
    EXPECT_TRUE(job.hasVideo);
}

TEST_F(ProbeMediaFileTest, CoverArtIsNoVideo) {
    const std::string song = folder_.Path("song.mp3");
    const std::string cover = folder_.Path("cover.png");
    const std::string path = folder_.Path("with cover.mp3");
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i sine=d=1 '" + song + "'"));
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i testsrc=s=32x32 -frames:v 1 '" + cover + "'"));
    ASSERT_TRUE(test::MakeMedia("-i '" + song + "' -i '" + cover +
                                "' -map 0 -map 1 -c copy -disposition:v attached_pic '" + path +
                                "'"));
    const JobItem job = Probe(path);
    EXPECT_TRUE(job.hasAudio);
    EXPECT_FALSE(job.hasVideo);
}

TEST_F(ProbeMediaFileTest, DurationIsTruncatedToWholeSeconds) {
    const std::string path = folder_.Path("long.wav");
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i anullsrc=r=8000:cl=mono -t 59.9 '" + path + "'"));
    EXPECT_EQ(Probe(path).duration, 59);
}

TEST_F(ProbeMediaFileTest, NoContainerDuration) {
    // A Matroska file written to a pipe carries no duration.
    const std::string path = folder_.Path("streamed.mkv");
    ASSERT_TRUE(test::MakeMedia(
        "-f lavfi -i testsrc=d=1:s=64x48:r=10 -c:v mpeg4 -f matroska - > '" + path + "'"));
    const JobItem job = Probe(path);
    EXPECT_EQ(job.duration, kUnknownDuration);
    EXPECT_TRUE(job.hasVideo);
    EXPECT_FALSE(job.hasAudio);
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

TEST_F(ProbeMediaFileTest, FileWithoutExtension) {
    const std::string path = folder_.Path("noext");
    ASSERT_TRUE(test::MakeMedia("-f lavfi -i sine=d=1 -f wav '" + path + "'"));
    EXPECT_EQ(Probe(path).outputName, "noext");
}

} // namespace
} // namespace velmont
