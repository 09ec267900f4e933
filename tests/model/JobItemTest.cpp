#include "model/JobItem.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmont;

namespace {

// A job marked in its own fields and in its audio and video parts. The
// records are plain values, so a few fields show whether whole records move.
JobItem Filled(const std::string& mark, int n) {
    JobItem job;
    job.inputPath = "/in/" + mark + ".avi";
    job.title = "title-" + mark;
    job.audio.codec = "codec-" + mark;
    job.video.frameRate = 29.97 + n;
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
