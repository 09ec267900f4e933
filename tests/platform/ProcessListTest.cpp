#include "platform/ProcessList.h"
#include "platform/Process.h"

#include "FakeEncoderPath.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using velmont::ChildProcess;
using velmont::FindProcessesByExecutable;

namespace {

class ProcessListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/velmont-proclist-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }

    // A copy of the fake encoder at root/relative: a different file with
    // the same name.
    std::string CopyOfEncoder(const std::string& relative) {
        const fs::path target = root_ / relative;
        fs::create_directories(target.parent_path());
        fs::copy_file(FakeEncoderPath(), target);
        return target.string();
    }

    fs::path root_;
};

bool Contains(const std::vector<int>& pids, int pid) {
    return std::find(pids.begin(), pids.end(), pid) != pids.end();
}

} // namespace

TEST_F(ProcessListTest, MatchesOnlyProcessesRunningExactlyThatFile) {
    const std::string running = CopyOfEncoder("a/enc");
    const std::string sameName = CopyOfEncoder("b/enc");
    const std::string nameInPath = CopyOfEncoder("enc-tools/other");
    fs::create_symlink(running, root_ / "link-to-enc");

    ChildProcess child;
    std::error_code error;
    ASSERT_EQ(child.Start(Quoted(running) + " sleep:60000", error),
              ChildProcess::StartResult::Started);

    EXPECT_TRUE(Contains(FindProcessesByExecutable(running), child.Pid()));
    // Reached through a link, it is still the same file.
    EXPECT_TRUE(Contains(FindProcessesByExecutable((root_ / "link-to-enc").string()), child.Pid()));
    EXPECT_FALSE(Contains(FindProcessesByExecutable(sameName), child.Pid()));
    EXPECT_FALSE(Contains(FindProcessesByExecutable(nameInPath), child.Pid()));
    EXPECT_TRUE(FindProcessesByExecutable((root_ / "missing").string()).empty());
    EXPECT_TRUE(FindProcessesByExecutable("").empty());
    // Never this process itself.
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_FALSE(Contains(FindProcessesByExecutable(self), static_cast<int>(getpid())));

    EXPECT_FALSE(child.Terminate());
}
