#include "model/JobItem.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmont;

namespace {

// A job whose every field differs from a fresh one and from other marks.
JobItem Filled(const std::string& mark, int number) {
    JobItem job;
    job.inputPath = "/in/" + mark + ".avi";
    job.audio.bitrate = 64000 + number;
    job.audio.sampleRate = 22050 + number;
    job.audio.channels = 1 + number;
    job.audio.volume = 100 + number;
    job.audio.enabled = false;
    job.audio.codec = "codec-" + mark;
    job.video.height = 144 + number;
    job.video.width = 176 + number;
    job.video.frameRate = 29.97 + number;
    job.video.aspect = 1 + number;
    job.video.bitrate = 768000 + number;
    job.video.quantiserScale = 4.0f + static_cast<float>(number);
    job.video.enabled = true;
    job.video.vbrEnabled = true;
    job.video.minRate = 128000 + number;
    job.video.maxRate = 256000 + number;
    job.video.bufferSize = 10 + number;
    job.video.pass = 2 + number;
    job.video.cropTop = 1 + number;
    job.video.cropBottom = 2 + number;
    job.video.cropLeft = 3 + number;
    job.video.cropRight = 4 + number;
    job.video.padTop = 5 + number;
    job.video.padBottom = 6 + number;
    job.video.padLeft = 7 + number;
    job.video.padRight = 8 + number;
    job.video.codec = "vcodec-" + mark;
    job.outputName = "out-" + mark;
    job.outputDirectory = "/out/" + mark;
    job.formatId = 15 - number;
    job.startOffset = 3 + number;
    job.duration = 61 + number;
    job.clip = true;
    job.title = "title-" + mark;
    job.author = "author-" + mark;
    job.comment = "comment-" + mark;
    job.album = "album-" + mark;
    job.track = 9 + number;
    job.year = 1999 + number;
    job.hasAudio = true;
    job.hasVideo = true;
    job.state = kJobWaiting + number % 2;
    return job;
}

JobList ListOf(std::initializer_list<const char*> marks) {
    JobList list;
    int number = 0;
    for (const char* mark : marks)
        list.Append(Filled(mark, number++));
    return list;
}

std::string Names(const JobList& list) {
    std::string names;
    for (const JobItem& job : list)
        names += job.title.substr(job.title.find('-') + 1);
    return names;
}

} // namespace

TEST(JobItem, FreshRecordHasTheStartingValues) {
    const JobItem job;
    EXPECT_EQ(job.inputPath, "");
    EXPECT_EQ(job.outputName, "");
    EXPECT_EQ(job.outputDirectory, "");
    EXPECT_EQ(job.startOffset, 0);
    EXPECT_EQ(job.duration, 0);
    EXPECT_FALSE(job.clip);
    EXPECT_EQ(job.title + job.author + job.comment + job.album, "");
    EXPECT_EQ(job.track, 0);
    EXPECT_EQ(job.year, 0);
    EXPECT_FALSE(job.hasAudio);
    EXPECT_FALSE(job.hasVideo);
    EXPECT_EQ(job.state, kJobNotSelected);

    EXPECT_EQ(job.audio.bitrate, 128000);
    EXPECT_EQ(job.audio.sampleRate, 44100);
    EXPECT_EQ(job.audio.channels, 2);
    EXPECT_EQ(job.audio.volume, 256);
    EXPECT_TRUE(job.audio.enabled);
    EXPECT_EQ(job.audio.codec, "");

    EXPECT_EQ(job.video.height, 0);
    EXPECT_EQ(job.video.width, 0);
    EXPECT_EQ(job.video.frameRate, 25.0);
    EXPECT_EQ(job.video.aspect, 0);
    EXPECT_EQ(job.video.bitrate, 200000);
    EXPECT_EQ(job.video.quantiserScale, 0.0f);
    EXPECT_FALSE(job.video.enabled);
    EXPECT_FALSE(job.video.vbrEnabled);
    EXPECT_EQ(job.video.minRate, 200000);
    EXPECT_EQ(job.video.maxRate, 200000);
    EXPECT_EQ(job.video.bufferSize, 0);
    EXPECT_EQ(job.video.pass, 1);
    EXPECT_EQ(job.video.cropTop + job.video.cropBottom + job.video.cropLeft + job.video.cropRight,
              0);
    EXPECT_EQ(job.video.padTop + job.video.padBottom + job.video.padLeft + job.video.padRight, 0);
    EXPECT_EQ(job.video.codec, "");

    EXPECT_EQ(JobItem().audio, AudioValues());
    EXPECT_EQ(JobItem().video, VideoValues());
}

TEST(JobItem, CopiesAreIndependent) {
    JobItem original = Filled("a", 0);
    const JobItem snapshot = original;
    JobItem assigned;
    assigned = original;

    original.inputPath += "x";
    original.title.clear();
    original.audio.codec = "changed";
    original.video.codec.clear();
    original.video.frameRate = 0;
    original.state = kJobConverted;

    EXPECT_EQ(snapshot, Filled("a", 0));
    EXPECT_EQ(assigned, Filled("a", 0));
    EXPECT_NE(original, snapshot);
}

TEST(JobItem, CopyBeforeResolvingKeepsFreshValues) {
    JobItem job;
    job.inputPath = "/in/a.mp4";
    const JobItem copy = job;
    job.audio = Filled("r", 0).audio;
    job.video = Filled("r", 0).video;
    EXPECT_EQ(copy.audio, AudioValues());
    EXPECT_EQ(copy.video, VideoValues());
}

TEST(JobItem, SelfAssignmentChangesNothing) {
    JobItem job = Filled("self", 1);
    JobItem& alias = job;
    job = alias;
    EXPECT_EQ(job, Filled("self", 1));
}

TEST(JobItem, UnknownDurationIsKeptAsItIs) {
    JobItem job;
    job.duration = kUnknownDuration;
    const JobItem copy = job;
    EXPECT_EQ(copy.duration, 2147483647);
}

TEST(JobList, InsertPutsACopyAtTheIndex) {
    JobList list = ListOf({"a", "c"});
    JobItem b = Filled("b", 5);
    list.Insert(1, b);
    b.title = "title-z";
    list.Insert(0, Filled("0", 6));
    list.Insert(list.Count(), Filled("d", 7));
    EXPECT_EQ(Names(list), "0abcd");
    EXPECT_EQ(list[2], Filled("b", 5));
}

TEST(JobList, EraseMovesLaterRecordsDown) {
    JobList list = ListOf({"a", "b", "c", "d"});
    const JobItem c = list[2];
    const JobItem d = list[3];

    list.Erase(1); // middle
    EXPECT_EQ(Names(list), "acd");
    EXPECT_EQ(list[1], c);
    EXPECT_EQ(list[2], d);

    list.Erase(list.Count() - 1); // last
    EXPECT_EQ(Names(list), "ac");
    EXPECT_EQ(list[1], c);

    list.Erase(0); // first
    EXPECT_EQ(Names(list), "c");
    list.Erase(0); // only
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Count(), 0u);
}

TEST(JobList, SwapExchangesEveryField) {
    JobList list = ListOf({"a", "b", "c"});
    const JobItem a = list[0];
    const JobItem b = list[1];
    ASSERT_NE(a.state, b.state);

    list.SwapNeighbours(0, 1);
    EXPECT_EQ(list[0], b);
    EXPECT_EQ(list[1], a);
    EXPECT_EQ(Names(list), "bac");

    list.SwapNeighbours(2, 1); // down, then back up
    list.SwapNeighbours(1, 2);
    EXPECT_EQ(Names(list), "bac");
}

TEST(JobList, FieldsChangeInPlaceAndClearEmpties) {
    JobList list = ListOf({"a", "b"});
    list[1].state = kJobConverted;
    list[1].outputName = "renamed";
    EXPECT_EQ(list[1].state, kJobConverted);
    EXPECT_EQ(list[1].outputName, "renamed");
    EXPECT_EQ(list[0], Filled("a", 0));

    list.Clear();
    EXPECT_TRUE(list.Empty());
    list.Append(Filled("n", 0));
    EXPECT_EQ(Names(list), "n");
}
