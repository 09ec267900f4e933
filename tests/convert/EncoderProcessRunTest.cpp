#include "convert/EncoderProcess.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"
#include "RecordingJobEvents.h"

#include <future>
#include <gtest/gtest.h>

using namespace velmont;
using namespace std::chrono_literals;
using Steps = std::vector<std::string>;
using Events = std::vector<std::string>;

namespace {

// What the encoder prints before it starts encoding, and the text it gives.
const std::string kHeaderStep = "out:Input #0, wav\\n  Duration: 00:00:10.00, bitrate: 1411 kb/s\\n"
                                "Press [q] to stop encoding\\n";
const std::string kHeaderText = "Input #0, wav\n  Duration: 00:00:10.00, bitrate: 1411 kb/s\n\r\n";

class RunnerTest : public ::testing::Test {
  protected:
    void TearDown() override {
        // Never leave a run behind, even when a check failed.
        if (running_.valid()) {
            encoder.RequestStop();
            running_.wait();
        }
    }

    void StartRun(const Steps& steps) {
        Steps command{FakeEncoderPath()};
        command.insert(command.end(), steps.begin(), steps.end());
        events = std::make_unique<RecordingJobEvents>();
        running_ = std::async(std::launch::async,
                              [this, command] { return encoder.Run(command, *events); });
    }

    JobOutcome RunToEnd(const Steps& steps) {
        StartRun(steps);
        return Finish();
    }

    JobOutcome Finish() {
        if (running_.wait_for(20s) != std::future_status::ready) {
            ADD_FAILURE() << "run did not end";
            return JobOutcome::ReadFailed;
        }
        return running_.get();
    }

    int PrintedNumber(const std::string& name) {
        int number = -1;
        Eventually([&] { return (number = NumberAfter(events->Header(), name)) > 0; });
        return number;
    }

    EncoderProcess encoder;
    std::unique_ptr<RecordingJobEvents> events;

  private:
    std::future<JobOutcome> running_;
};

} // namespace

TEST_F(RunnerTest, OutcomesOfRunsThatEndByThemselves) {
    struct Case {
        Steps steps;
        JobOutcome outcome;
        std::string text; // the run's collected text
    };
    const std::string failing = "Input #0, wav\nUnknown encoder 'xyz'\n";
    const Case cases[] = {
        {{kHeaderStep, "drained", "out:size= 10kB time=5.00 bitrate=1\\r", "drained",
          "out:size= 20kB time=9.00 bitrate=1\\r"},
         JobOutcome::Converted,
         kHeaderText},
        {{"out:Input #0, wav\\n", "err:Unknown encoder 'xyz'\\n", "exit:1"},
         JobOutcome::Failed,
         failing},
        // Ending with status 0 without ever encoding is no success either.
        {{"out:Input #0, wav\\n", "err:Unknown encoder 'xyz'\\n"}, JobOutcome::Failed, failing},
        // A failure after encoding began keeps the encoder's last words.
        {{kHeaderStep, "drained", "out:size= 10kB time=5.00 bitrate=1\\r", "drained",
          "err:\\nError while encoding frame 12\\n", "exit:1"},
         JobOutcome::Failed,
         kHeaderText + "size= 10kB time=5.00 bitrate=1\r\nError while encoding frame 12\r\n"},
        // Killed by a signal we did not send: the text says so.
        {{kHeaderStep, "drained", "out:size= 10kB time=5.00\\r", "signal:9"},
         JobOutcome::Failed,
         kHeaderText + "fake_encoder was killed by signal 9\r\n"},
        // The banner goes, backspaces show as blanks.
        {{"out:FFmpeg version SVN-r10087, Copyright\\n  built on x\\nEnjoy it\\n"
          "Input #0 a\\b\\bb (FFmpeg)\\nPress [q] to stop encoding\\n"},
         JobOutcome::Converted,
         "Input #0 a  b (      )\n\r\n"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        encoder.SetDuration(kUnknownDuration);
        EXPECT_EQ(RunToEnd(cases[i].steps), cases[i].outcome);
        EXPECT_EQ(encoder.StatusText(), cases[i].text);
        EXPECT_EQ(events->Milestones().front(), "started");
        EXPECT_EQ(encoder.State(), EncoderProcess::ControlState::Idle);
    }
}

TEST_F(RunnerTest, OutputArrivingOneByteAtATimeIsReadWhole) {
    encoder.SetDuration(kUnknownDuration);
    EXPECT_EQ(RunToEnd({"bytewise:Input #0\\n  Duration: 00:00:10.00\\nPress [q] to stop "
                        "encoding\\nsize= 10kB time=5.00 bitrate=1\\rsize= 20kB time=10.00\\r\\n"}),
              JobOutcome::Converted);
    EXPECT_EQ(events->Events(), (Events{"started", "duration 10", "progress 50", "progress 100"}));
    EXPECT_EQ(events->StatusLine(), "size= 20kB time=10.00");
}

TEST_F(RunnerTest, MissingEncoderIsNotStartedAndSaysWhy) {
    events = std::make_unique<RecordingJobEvents>();
    EXPECT_EQ(encoder.Run({"/nonexistent/velmont/Rendix", "-i", "a.wav"}, *events),
              JobOutcome::NotStarted);
    EXPECT_EQ(encoder.StatusText(),
              "Error creating process\r\n" +
                  std::make_error_code(std::errc::no_such_file_or_directory).message() + "\r\n");
    EXPECT_EQ(encoder.State(), EncoderProcess::ControlState::Idle);
}

TEST_F(RunnerTest, PauseResumeAndStopReachTheEncoderAtOnceEvenWhileItWrites) {
    encoder.SetDuration(100000);
    StartRun({"pid", kHeaderStep, "stream:2:10000"});
    const int pid = PrintedNumber("pid");
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(Eventually([&] { return !events->StatusLine().empty(); }));

    encoder.RequestPause();
    EXPECT_TRUE(Eventually([&] { return ProcessState(pid) == 'T' && events->Has("paused"); }));
    const std::size_t seen = events->Events().size();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(events->Events().size(), seen); // nothing arrives while suspended

    encoder.RequestResume();
    EXPECT_TRUE(Eventually([&] { return events->Events().size() > seen + 1; }));
    EXPECT_NE(ProcessState(pid), 'T');

    encoder.RequestStop();
    EXPECT_EQ(Finish(), JobOutcome::Stopped);
    EXPECT_TRUE(ProcessEnded(pid));
    EXPECT_EQ(events->Milestones(),
              (Events{"started", "duration 10", "paused", "resumed", "stopped"}));
    EXPECT_EQ(encoder.StatusText(),
              "pid=" + std::to_string(pid) + "\n" + kHeaderText + "\r\nStopped!\r\n");
}

// Speed and time left count the time the encoder ran: the second it spent
// paused neither slows the one nor stretches the other.
TEST_F(RunnerTest, SpeedAndTimeLeftLeaveThePausedSecondOut) {
    encoder.SetDuration(kUnknownDuration);
    const auto start = std::chrono::steady_clock::now();
    StartRun(
        {"out:Input #0\\n  Duration: 00:01:40.00\\nPress [q] to stop encoding\\n", "stream:50:30"});
    ASSERT_TRUE(Eventually([&] { return !events->StatusLine().empty(); }));
    encoder.RequestPause();
    ASSERT_TRUE(Eventually([&] { return events->Has("paused"); }));
    std::this_thread::sleep_for(1s);
    encoder.RequestResume();
    ASSERT_EQ(Finish(), JobOutcome::Converted);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;

    // The running time each figure implies, against the whole run's.
    const JobProgress last = events->LastProgress();
    ASSERT_GT(last.speed, 0);
    EXPECT_LT(last.seconds / last.speed, wall.count() - 0.5);
    EXPECT_LT(last.secondsLeft * last.seconds / (100 - last.seconds), wall.count() - 0.5);
}

// A stop that comes once the encoder has put its output in place and said
// so (its summary line) cannot undo the file: even when the encoder dies of
// the stop, the job is converted. Before that line a stop is a stop.
TEST_F(RunnerTest, AStopAfterTheOutputIsInPlaceLeavesTheJobConverted) {
    const std::string summary = "video:0kB audio:10kB muxing overhead 1.000%";
    StartRun({kHeaderStep, "out:size=  10kB time=10.00 bitrate= 8.0kbits/s\\r\\n" + summary + "\\n",
              "sleep:60000"});
    ASSERT_TRUE(Eventually([&] { return events->Has("message " + summary); }));
    encoder.RequestStop();
    EXPECT_EQ(Finish(), JobOutcome::Converted) << encoder.StatusText();
    EXPECT_FALSE(events->Has("stopped"));
    EXPECT_EQ(events->LastProgress().percent, 100);

    StartRun({kHeaderStep, "out:size=  10kB time=9.00 bitrate= 8.0kbits/s\\r", "sleep:60000"});
    ASSERT_TRUE(Eventually([&] { return !events->StatusLine().empty(); }));
    encoder.RequestStop();
    EXPECT_EQ(Finish(), JobOutcome::Stopped);
}

TEST_F(RunnerTest, StopOfASuspendedHeaderKillsTheWholeGroup) {
    StartRun({"pid", "spawn", "out:Input #0\\n", "sleep:60000"});
    const int grandchild = PrintedNumber("grandchild");
    const int pid = PrintedNumber("pid");
    ASSERT_GT(grandchild, 0);
    ASSERT_TRUE(Eventually([&] { return events->Header().find("Input #0") != std::string::npos; }));
    encoder.RequestPause();
    ASSERT_TRUE(Eventually([&] { return ProcessState(pid) == 'T'; }));
    encoder.RequestStop();
    EXPECT_EQ(Finish(), JobOutcome::Stopped);
    EXPECT_TRUE(ProcessEnded(pid));
    EXPECT_TRUE(Eventually([&] { return ProcessEnded(grandchild); }));
    EXPECT_EQ(encoder.StatusText(), "pid=" + std::to_string(pid) +
                                        "\ngrandchild=" + std::to_string(grandchild) +
                                        "\nInput #0\n\r\nSuspended!\r\n\r\nStopped!\r\n");
}

TEST_F(RunnerTest, StopOrPausePostedBeforeARunBelongsToItAndResumeCancelsThem) {
    // A worker posts the user's stop just before the run begins: not lost.
    encoder.RequestStop();
    EXPECT_EQ(RunToEnd({kHeaderStep, "sleep:60000"}), JobOutcome::Stopped);

    encoder.RequestPause();
    StartRun({"sleep:200", "pid", kHeaderStep, "sleep:60000"});
    // Suspended at once, before it printed anything.
    EXPECT_TRUE(Eventually([&] { return events->Has("paused"); }));
    std::this_thread::sleep_for(400ms);
    EXPECT_EQ(events->Header().find("pid="), std::string::npos);
    encoder.RequestStop();
    EXPECT_EQ(Finish(), JobOutcome::Stopped);

    encoder.RequestStop();
    encoder.RequestResume();
    EXPECT_EQ(RunToEnd({kHeaderStep, "sleep:250"}), JobOutcome::Converted);
}
