#include "convert/EncoderProcess.h"
#include "convert/MemoryListCells.h"
#include "convert/MemoryLogView.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"

#include <future>
#include <gtest/gtest.h>

using namespace velmont;
using namespace std::chrono_literals;

namespace {

constexpr int kRow = 0;
constexpr int kFileColumn = 0;
constexpr int kProgressColumn = 1;
constexpr int kLogColumn = 2;

// What the encoder prints before it starts encoding, as fake_encoder
// steps, and the text that reaches the log.
const std::string kHeaderSteps =
    "\"out:Input #0, wav\\n  Duration: 00:00:10.00, bitrate: 1411 kb/s\\n"
    "Press [q] to stop encoding\\n\"";
const std::string kHeaderText = "Input #0, wav\n  Duration: 00:00:10.00, bitrate: 1411 kb/s\n\r\n";
const std::string kEarlierLog = "earlier run\r\n";

class RunnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        log.SetText(kEarlierLog);
        encoder.SetLogView(&log);
        encoder.SetProgressCell(&cells, kRow, kProgressColumn);
        encoder.SetDuration(kUnknownDuration);
    }

    void TearDown() override {
        // Never leave a run behind, even when a check failed.
        if (running_.valid()) {
            encoder.RequestStop();
            running_.wait();
        }
    }

    void StartRun(const std::string& steps) {
        encoder.SetCommandLine(Quoted(FakeEncoderPath()) + " " + steps);
        running_ = std::async(std::launch::async, [this] { return encoder.Run(); });
    }

    int RunToEnd(const std::string& steps) {
        StartRun(steps);
        return Finish();
    }

    int Finish() {
        if (running_.wait_for(20s) != std::future_status::ready) {
            ADD_FAILURE() << "run did not end";
            return -99;
        }
        return running_.get();
    }

    bool Finished() { return running_.wait_for(0s) == std::future_status::ready; }

    // Log text of this run, after the earlier text that must stay.
    std::string RunLog() const {
        const std::string text = log.Text();
        EXPECT_EQ(text.substr(0, kEarlierLog.size()), kEarlierLog);
        return text.substr(std::min(text.size(), kEarlierLog.size()));
    }

    int PrintedNumber(const std::string& name) {
        int number = -1;
        Eventually([&] { return (number = NumberAfter(log.Text(), name)) > 0; });
        return number;
    }

    CellState FileCell() const { return cells.Cell(kRow, kFileColumn); }
    CellState ProgressCell() const { return cells.Cell(kRow, kProgressColumn); }
    CellState LogCell() const { return cells.Cell(kRow, kLogColumn); }

    MemoryLogView log;
    MemoryListCells cells;
    EncoderProcess encoder;

  private:
    std::future<int> running_;
};

} // namespace

TEST_F(RunnerTest, RunToTheEndShowsHeaderAndLastStatusLineAndFillsTheRow) {
    EXPECT_EQ(RunToEnd(kHeaderSteps +
                       " drained \"out:size= 10kB time=5.00 bitrate=1\\r\" drained " +
                       "\"out:size= 20kB time=9.00 bitrate=1\\r\""),
              1);
    EXPECT_EQ(RunLog(), kHeaderText + "size= 20kB time=9.00 bitrate=1\r");
    EXPECT_EQ(encoder.Duration(), 10);
    EXPECT_EQ(cells.CurSel(), kRow);
    EXPECT_TRUE(cells.CurSelMadeVisible());
    EXPECT_FALSE(FileCell().bold);
    EXPECT_EQ(ProgressCell().progress, 100);
    EXPECT_EQ(LogCell().text, kHeaderText);
    EXPECT_FALSE(LogCell().coloured);
    EXPECT_EQ(encoder.ControlState(), EncoderProcess::kIdle);
}

TEST_F(RunnerTest, MissingEncoderReportsErrorCreatingProcessAndLeavesRowBold) {
    encoder.SetCommandLine("\"/nonexistent/velmont/Rendix\" -i \"a.wav\" -y \"a.mp3\"");
    EXPECT_EQ(encoder.Run(), -1);
    EXPECT_EQ(RunLog(), "Error creating process\r\n" +
                            std::make_error_code(std::errc::no_such_file_or_directory).message() +
                            "\r\n");
    EXPECT_TRUE(FileCell().bold);
    EXPECT_EQ(ProgressCell().progress, 0);
    EXPECT_EQ(LogCell().text, "");
    EXPECT_FALSE(LogCell().coloured);
    EXPECT_EQ(encoder.ControlState(), EncoderProcess::kIdle);
}

TEST_F(RunnerTest, EncoderFailingBeforeTheHeaderEndsGetsARedRow) {
    EXPECT_EQ(RunToEnd("\"out:Input #0, wav\\n\" \"err:Unknown encoder 'xyz'\\n\" exit:1"), 1);
    EXPECT_EQ(RunLog(), "Input #0, wav\nUnknown encoder 'xyz'\n");
    EXPECT_EQ(LogCell().text, "Input #0, wav\nUnknown encoder 'xyz'\n");
    EXPECT_TRUE(LogCell().coloured);
    EXPECT_EQ(LogCell().textColour, kWhite);
    EXPECT_EQ(LogCell().backgroundColour, kRed);
    EXPECT_EQ(ProgressCell().progress, 0);
    EXPECT_FALSE(FileCell().bold);

    // Ending with status 0 without ever encoding is no success either.
    EXPECT_EQ(RunToEnd("\"out:Input #0\\n\""), 1);
    EXPECT_TRUE(LogCell().coloured);
}

TEST_F(RunnerTest, NonZeroExitAfterEncodingBeganIsRedAndItsMessageIsKept) {
    encoder.SetDuration(10);
    EXPECT_EQ(RunToEnd(kHeaderSteps +
                       " drained \"out:size= 10kB time=5.00 bitrate=1\\r\" drained " +
                       "\"err:\\nError while encoding frame 12\\n\" exit:1"),
              1);
    EXPECT_EQ(ProgressCell().progress, 50);
    EXPECT_TRUE(LogCell().coloured);
    EXPECT_EQ(LogCell().backgroundColour, kRed);
    EXPECT_EQ(LogCell().text,
              kHeaderText + "size= 10kB time=5.00 bitrate=1\r\nError while encoding frame 12\r\n");
    EXPECT_EQ(RunLog(),
              kHeaderText + "size= 10kB time=5.00 bitrate=1\r\nError while encoding frame 12\r\n");

    // Killed by a signal we did not send: red as well.
    EXPECT_EQ(RunToEnd(kHeaderSteps + " drained \"out:size= 10kB time=5.00\\r\" signal:9"), 1);
    EXPECT_TRUE(LogCell().coloured);
    EXPECT_NE(ProgressCell().progress, 100);
}

TEST_F(RunnerTest, BannerIsRemovedAndBackspacesShowAsBlanks) {
    EXPECT_EQ(RunToEnd("\"out:FFmpeg version SVN-r10087, Copyright\\n  built on x\\nEnjoy it\\n"
                       "Input #0 a\\b\\bb (FFmpeg)\\nPress [q] to stop encoding\\n\""),
              1);
    EXPECT_EQ(RunLog(), "Input #0 a  b (      )\n\r\n");
    EXPECT_EQ(LogCell().text, "Input #0 a  b (      )\n\r\n");
}

TEST_F(RunnerTest, PauseWhileWritingContinuouslyThenResumeThenStop) {
    encoder.SetDuration(100000);
    StartRun("pid " + kHeaderSteps + " stream:2:10000");
    const int pid = PrintedNumber("pid");
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(Eventually([&] { return ProgressCell().progressUpdates > 0; }));

    encoder.RequestPause();
    ASSERT_TRUE(Eventually([&] { return LogCell().text == "Suspended!"; }));
    EXPECT_TRUE(Eventually([&] { return ProcessState(pid) == 'T'; }));
    EXPECT_FALSE(FileCell().bold);
    EXPECT_EQ(encoder.ControlState(), EncoderProcess::kIdle);
    // During encoding the status line is cleared; nothing more arrives.
    const std::string paused = log.Text();
    EXPECT_EQ(paused, kEarlierLog + "pid=" + std::to_string(pid) + "\n" + kHeaderText);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(log.Text(), paused);

    encoder.RequestResume();
    ASSERT_TRUE(Eventually([&] { return log.Text() != paused; }));
    EXPECT_NE(ProcessState(pid), 'T');
    EXPECT_EQ(LogCell().text, "");

    encoder.RequestStop();
    EXPECT_EQ(Finish(), 0);
    EXPECT_TRUE(ProcessEnded(pid));
    EXPECT_EQ(RunLog(), "pid=" + std::to_string(pid) + "\n" + kHeaderText + "\r\nStopped!\r\n");
    EXPECT_EQ(LogCell().text, "Stopped!");
    EXPECT_EQ(ProgressCell().progress, 0);
    EXPECT_FALSE(FileCell().bold);
    EXPECT_EQ(encoder.ControlState(), EncoderProcess::kIdle);
}

TEST_F(RunnerTest, PauseInTheHeaderTakesEffectAtTheNextIdlePollAndStopKillsTheSuspendedGroup) {
    StartRun("pid spawn \"out:Input #0\\n\" sleep:60000");
    const int grandchild = PrintedNumber("grandchild");
    const int pid = PrintedNumber("pid");
    ASSERT_GT(grandchild, 0);

    const auto asked = std::chrono::steady_clock::now();
    encoder.RequestPause();
    ASSERT_TRUE(Eventually([&] { return ProcessState(pid) == 'T'; }));
    // One poll interval of 100 ms, with room for a busy machine.
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 1500ms);
    ASSERT_TRUE(Eventually([&] { return LogCell().text == "Suspended!"; }));
    const std::string header = "pid=" + std::to_string(pid) +
                               "\ngrandchild=" + std::to_string(grandchild) + "\nInput #0\n";
    EXPECT_EQ(RunLog(), header + "\r\nSuspended!\r\n");

    encoder.RequestStop();
    EXPECT_EQ(Finish(), 0);
    EXPECT_TRUE(ProcessEnded(pid));
    EXPECT_TRUE(Eventually([&] { return ProcessEnded(grandchild); }));
    EXPECT_EQ(RunLog(), header + "\r\nSuspended!\r\n\r\nStopped!\r\n");
    EXPECT_EQ(LogCell().text, "Stopped!");
}

TEST_F(RunnerTest, StopWhileRunningLeavesNoChildOrGrandchildBehind) {
    // Even while the encoder writes without a pause.
    StartRun("pid " + kHeaderSteps + " stream:0:100000000");
    const int writer = PrintedNumber("pid");
    ASSERT_TRUE(Eventually([&] { return encoder.EncodingStarted(); }));
    encoder.RequestStop();
    EXPECT_EQ(Finish(), 0);
    EXPECT_TRUE(ProcessEnded(writer));
    EXPECT_EQ(LogCell().text, "Stopped!");
    log.SetText(kEarlierLog);

    StartRun("pid spawn " + kHeaderSteps + " sleep:60000");
    const int grandchild = PrintedNumber("grandchild");
    const int pid = PrintedNumber("pid");
    ASSERT_TRUE(Eventually([&] { return encoder.EncodingStarted(); }));

    encoder.RequestStop();
    EXPECT_EQ(Finish(), 0);
    EXPECT_TRUE(ProcessEnded(pid));
    EXPECT_TRUE(Eventually([&] { return ProcessEnded(grandchild); }));
    EXPECT_EQ(LogCell().text, "Stopped!");
    EXPECT_EQ(RunLog(), "pid=" + std::to_string(pid) + "\ngrandchild=" +
                            std::to_string(grandchild) + "\n" + kHeaderText + "\r\nStopped!\r\n");
}

TEST_F(RunnerTest, StopOrPausePostedBeforeARunBelongsToItAndResumeCancelsThem) {
    // A worker posts the user's stop just before the run begins: not lost.
    encoder.RequestStop();
    EXPECT_EQ(RunToEnd(kHeaderSteps + " sleep:60000"), 0);
    EXPECT_EQ(LogCell().text, "Stopped!");

    encoder.RequestPause();
    StartRun("sleep:200 pid " + kHeaderSteps + " sleep:60000");
    // Suspended at the first poll, before it printed anything.
    EXPECT_TRUE(Eventually([&] { return LogCell().text == "Suspended!"; }));
    std::this_thread::sleep_for(400ms);
    EXPECT_EQ(log.Text().find("pid="), std::string::npos);
    encoder.RequestStop();
    EXPECT_EQ(Finish(), 0);

    encoder.RequestStop();
    encoder.RequestResume();
    EXPECT_EQ(RunToEnd(kHeaderSteps + " sleep:250"), 1);
    EXPECT_EQ(ProgressCell().progress, 100);
    EXPECT_TRUE(encoder.RunSucceeded()); // every run resets its own fields
    EXPECT_FALSE(LogCell().coloured);
    EXPECT_EQ(encoder.ControlState(), EncoderProcess::kIdle);
}
