#include "platform/Process.h"

#include "FakeEncoderPath.h"
#include "ProcessStateProbe.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

using velmont::ChildProcess;
using namespace std::chrono_literals;

namespace {

// Reads what is waiting into output; never blocks.
void ReadWaiting(ChildProcess& child, std::string& output) {
    std::size_t available = 0;
    ASSERT_FALSE(child.Peek(available));
    std::string chunk;
    while (available > 0) {
        ASSERT_FALSE(child.Read(chunk));
        if (chunk.empty())
            break;
        output += chunk;
        ASSERT_FALSE(child.Peek(available));
    }
}

// Collects all output until the child has ended and its pipe is empty.
std::string RunToEnd(ChildProcess& child) {
    std::string output;
    std::error_code error;
    EXPECT_TRUE(Eventually([&] {
        ReadWaiting(child, output);
        return child.TryWait(error) == ChildProcess::WaitResult::Ended;
    }));
    ReadWaiting(child, output);
    return output;
}

void Start(ChildProcess& child, std::vector<std::string> steps) {
    std::error_code error;
    steps.insert(steps.begin(), FakeEncoderPath());
    ASSERT_EQ(child.Start(steps, error), ChildProcess::StartResult::Started) << error.message();
}

} // namespace

TEST(ChildProcess, StdoutAndStderrShareOnePipeStdinIsEmptyAndExitCodeIsRead) {
    ChildProcess child;
    Start(child, {"out:one\\n", "err:two\\n", "stdin", "out:three\\n", "exit:3"});
    EXPECT_EQ(RunToEnd(child), "one\ntwo\nstdin=0\nthree\n");
    EXPECT_TRUE(child.Status().known);
    EXPECT_TRUE(child.Status().exited);
    EXPECT_EQ(child.Status().code, 3);
    EXPECT_FALSE(child.Status().Succeeded());
    EXPECT_FALSE(child.Running());
}

TEST(ChildProcess, ArgumentsArriveExactlyAsGiven) {
    ChildProcess child;
    Start(child, {"args", "a file with blanks.wav", "say \"hi\"", "plain"});
    EXPECT_EQ(RunToEnd(child), "a file with blanks.wav\nsay \"hi\"\nplain\n");
    EXPECT_TRUE(child.Status().Succeeded());
}

TEST(ChildProcess, NoProgramFailsToSpawn) {
    // A missing program is checked through the runner.
    ChildProcess empty;
    std::error_code error;
    EXPECT_EQ(empty.Start({}, error), ChildProcess::StartResult::SpawnFailed);
    EXPECT_TRUE(error);
    EXPECT_FALSE(empty.Running());
}

TEST(ChildProcess, PeekAndReadNeverBlockAndReadTakesAtMost8191Bytes) {
    ChildProcess child;
    Start(child, {"sleep:300", "flood:20000", "sleep:60000"});
    std::size_t available = 1;
    ASSERT_FALSE(child.Peek(available));
    EXPECT_EQ(available, 0u); // nothing written yet
    std::string chunk = "stale";
    ASSERT_FALSE(child.Read(chunk));
    EXPECT_TRUE(chunk.empty());

    ASSERT_TRUE(Eventually([&] { return !child.Peek(available) && available >= 20000; }));
    ASSERT_FALSE(child.Read(chunk));
    EXPECT_EQ(chunk.size(), ChildProcess::kMaxRead);
    std::error_code error;
    EXPECT_EQ(child.TryWait(error), ChildProcess::WaitResult::Running);
    EXPECT_FALSE(child.Terminate());
    EXPECT_TRUE(child.Status().signalled);
    EXPECT_EQ(child.Status().signal, SIGKILL);
}

TEST(ChildProcess, OwnerGoingAwayKillsAndReapsAChildStillRunning) {
    int pid = -1;
    {
        ChildProcess child;
        Start(child, {"pid", "sleep:60000"});
        std::string output;
        ASSERT_TRUE(Eventually([&] {
            ReadWaiting(child, output);
            return output.find('\n') != std::string::npos;
        }));
        pid = NumberAfter(output, "pid");
        ASSERT_GT(pid, 0);
    }
    EXPECT_EQ(ProcessState(pid), 0);
}
