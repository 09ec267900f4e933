#include "platform/ProcessList.h"
#include "platform/Process.h"

#include "FakeEncoderPath.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using velmont::ChildProcess;
using velmont::FindProcessesByExecutable;

namespace {

bool Contains(const std::vector<int>& pids, int pid) {
    return std::find(pids.begin(), pids.end(), pid) != pids.end();
}

} // namespace

TEST(ProcessListTest, MatchesOnlyProcessesRunningExactlyThatFile) {
    EncoderCopies copies;
    const std::string running = copies.Copy("a/enc");
    const std::string sameName = copies.Copy("b/enc");
    const std::string nameInPath = copies.Copy("enc-tools/other");
    std::filesystem::create_symlink(running, copies.Path("link-to-enc"));

    ChildProcess child;
    std::error_code error;
    ASSERT_EQ(child.Start({running, "sleep:60000"}, error), ChildProcess::StartResult::Started);

    EXPECT_TRUE(Contains(FindProcessesByExecutable(running), child.Pid()));
    // Reached through a link, it is still the same file.
    EXPECT_TRUE(Contains(FindProcessesByExecutable(copies.Path("link-to-enc")), child.Pid()));
    EXPECT_FALSE(Contains(FindProcessesByExecutable(sameName), child.Pid()));
    EXPECT_FALSE(Contains(FindProcessesByExecutable(nameInPath), child.Pid()));
    EXPECT_TRUE(FindProcessesByExecutable(copies.Path("missing")).empty());
    EXPECT_TRUE(FindProcessesByExecutable("").empty());
    // Never this process itself.
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_FALSE(Contains(FindProcessesByExecutable(self), static_cast<int>(getpid())));

    EXPECT_FALSE(child.Terminate());
}
