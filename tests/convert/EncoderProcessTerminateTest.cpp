#include "convert/EncoderProcess.h"
#include "platform/Process.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace velmont;

namespace {

class TerminateByModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/velmont-terminate-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string CopyOfEncoder(const std::string& relative) {
        const fs::path target = root_ / relative;
        fs::create_directories(target.parent_path());
        fs::copy_file(FakeEncoderPath(), target);
        return target.string();
    }

    static void Start(ChildProcess& child, const std::string& commandLine) {
        std::error_code error;
        ASSERT_EQ(child.Start(commandLine, error), ChildProcess::StartResult::Started)
            << error.message();
    }

    static bool Ends(ChildProcess& child) {
        std::error_code error;
        return Eventually(
            [&] { return child.TryWait(error) != ChildProcess::WaitResult::Running; });
    }

    static bool StillRuns(ChildProcess& child) {
        std::error_code error;
        return child.TryWait(error) == ChildProcess::WaitResult::Running;
    }

    fs::path root_;
};

} // namespace

TEST_F(TerminateByModuleTest, KillsOnlyProcessesOfThatExactFile) {
    // A program whose name occurs in the encoder's path must survive.
    const std::string encoder = CopyOfEncoder("sleep-tools/Rendix");
    const std::string otherEncoder = CopyOfEncoder("elsewhere/Rendix");

    ChildProcess stray1, stray2, sameName, bystander;
    Start(stray1, Quoted(encoder) + " sleep:60000");
    Start(stray2, Quoted(encoder) + " sleep:60000");
    Start(sameName, Quoted(otherEncoder) + " sleep:60000");
    Start(bystander, "sleep 60");

    EXPECT_EQ(TerminateProcessesByModuleName(encoder), 2);
    EXPECT_TRUE(Ends(stray1));
    EXPECT_TRUE(Ends(stray2));
    EXPECT_TRUE(stray1.Status().signalled);
    EXPECT_TRUE(StillRuns(sameName));
    EXPECT_TRUE(StillRuns(bystander));

    EXPECT_EQ(TerminateProcessesByModuleName(""), 0);
    EXPECT_EQ(TerminateProcessesByModuleName((root_ / "missing/Rendix").string()), 0);
    EXPECT_TRUE(StillRuns(sameName));
}
