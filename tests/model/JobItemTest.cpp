#include "model/JobItem.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmont;

namespace {

// A job whose every field differs from a fresh one and from other marks.
JobItem Filled(const std::string& mark, int n) {
    JobItem job;
    job.inputPath = "/in/" + mark + ".avi";
    job.audio = {64000 + n, 22050 + n, 1 + n, 100 + n, false, "codec-" + mark};
    job.video = {
        144 + n, 176 + n, 29.97 + n,       1 + n,      768000 + n, 4.0f + static_cast<float>(n),
        true,    true,    128000 + n,      256000 + n, 10 + n,     2 + n,
        1 + n,   2 + n,   3 + n,           4 + n,      5 + n,      6 + n,
        7 + n,   8 + n,   "vcodec-" + mark};
    job.outputName = "out-" + mark;
    job.outputDirectory = "/out/" + mark;
    job.formatId = 15 - n;
    job.startOffset = 3 + n;
    job.duration = 61 + n;
    job.clip = true;
    job.title = "title-" + mark;
    job.author = "author-" + mark;
    job.comment = "comment-" + mark;
    job.album = "album-" + mark;
    job.track = 9 + n;
    job.year = 1999 + n;
    job.hasAudio = true;
    job.hasVideo = true;
    job.state = n % 2 ? JobState::Converted : JobState::Waiting;
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
    EXPECT_EQ(job.inputPath + job.outputName + job.outputDirectory, "");
    EXPECT_EQ(job.title + job.author + job.comment + job.album, "");
    EXPECT_EQ(job.startOffset + job.duration + job.track + job.year, 0);
    EXPECT_FALSE(job.clip || job.hasAudio || job.hasVideo);
    EXPECT_EQ(job.state, JobState::NotSelected);
    EXPECT_EQ(job.audio, (AudioValues{128000, 44100, 2, 256, true, ""}));
    // Size, rate, aspect, bitrates, scale, switches, pass, crop and pad, in field order.
    EXPECT_EQ(job.video, (VideoValues{0, 0, 25.0, 0, 200000, 0, false, false, 200000, 200000, 0,
                                      1, 0, 0,    0, 0,      0, 0,     0,     0,      ""}));
}

TEST(JobList, InsertEraseAndSwapMoveWholeRecords) {
    JobList list = ListOf({"a", "c"});
    JobItem b = Filled("b", 5);
    list.Insert(1, b);
    b.title = "title-z"; // the list holds a copy
    list.Insert(0, Filled("0", 6));
    list.Insert(list.Count(), Filled("d", 7));
    EXPECT_EQ(Names(list), "0abcd");
    EXPECT_EQ(list[2], Filled("b", 5));
    const JobItem c = list[3];
    list.Erase(2);                // middle
    list.Erase(list.Count() - 1); // last
    list.Erase(0);                // first
    EXPECT_EQ(Names(list), "ac");
    EXPECT_EQ(list[1], c);
    list.Clear();
    EXPECT_TRUE(list.Empty());
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
