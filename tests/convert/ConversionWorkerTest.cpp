#include "convert/ConversionWorker.h"
#include "model/RunFlags.h"

#include "../platform/ProcessStateProbe.h"

#include <algorithm>
#include <condition_variable>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <set>

using namespace velmont;
using namespace std::chrono_literals;

namespace {

// The dialog of a batch, and the record of everything the worker asked of
// it and of the runners, in order. A job's run returns its scripted result
// at once, or, for a blocking job, waits until a stop is requested.
class Script : public IConversionDialog {
  public:
    JobList jobs;                              // named by single letters
    std::map<std::string, JobOutcome> results; // by job; Converted when absent
    std::set<std::string> blockUntilStop;
    std::chrono::milliseconds stopDelay{0};
    std::atomic<int> finished{0};
    std::atomic<int> shutDownRequests{0};
    std::atomic<int> maxActive{0};

    void BatchStarted() override { Record("batch"); }
    // Asked just before the job runs; a held job waits here until Release.
    IJobEvents& EventsFor(std::size_t jobIndex) override {
        Record("job:" + std::to_string(jobIndex));
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !held_.count(jobs[jobIndex].inputPath); });
        return jobEvents_;
    }
    void FinishConversion(const ConvertButtons& buttons) override {
        std::lock_guard lock(mutex_);
        lastButtons_ = buttons;
        ++finished;
    }
    bool ShutDownComputer() override { return ++shutDownRequests > 0; }
    void ShowShutDownFailed() override {}

    JobOutcome Run(const std::string& job) {
        maxActive = std::max(maxActive.load(), ++active_);
        std::unique_lock lock(mutex_);
        events_.push_back("run:" + job);
        JobOutcome result = results.count(job) ? results.at(job) : JobOutcome::Converted;
        if (request_ == "stop" || blockUntilStop.count(job)) {
            changed_.wait(lock, [&] { return request_ == "stop"; });
            result = JobOutcome::Stopped;
        }
        lock.unlock();
        if (result == JobOutcome::Stopped)
            std::this_thread::sleep_for(stopDelay); // a stopped encoder takes its time to end
        Record("end:" + job);
        --active_;
        return result;
    }
    // Stop, pause and resume also become the standing request.
    void Record(const std::string& event) {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
        if (event == "stop" || event == "pause" || event == "resume")
            request_ = event;
        changed_.notify_all();
    }
    // A held job waits before its run until released.
    void Hold(const std::string& job, bool held = true) {
        std::lock_guard lock(mutex_);
        if (held)
            held_.insert(job);
        else
            held_.erase(job);
        changed_.notify_all();
    }

    std::vector<std::string> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    int Count(const std::string& event) const {
        const auto events = Events();
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }
    bool Saw(const std::string& event) const { return Count(event) > 0; }
    bool SawEventually(const std::string& event) const {
        return Eventually([&] { return Saw(event); });
    }
    ConvertButtons LastButtons() const {
        std::lock_guard lock(mutex_);
        return lastButtons_;
    }
    // One letter per job: N not selected, W waiting, C converted.
    std::string States() const {
        std::string states;
        for (const JobItem& job : jobs)
            states += "NWC"[static_cast<int>(job.state)];
        return states;
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    IJobEvents jobEvents_;
    std::vector<std::string> events_;
    std::set<std::string> held_;
    std::string request_;
    std::atomic<int> active_{0};
    ConvertButtons lastButtons_;
};

// One running job's runner, reporting to the script.
class FakeRunner : public IJobRunner {
  public:
    explicit FakeRunner(Script& script) : script_(script) {}
    JobOutcome RunJob(const JobItem& job, IJobEvents&) override {
        return script_.Run(job.inputPath);
    }
    void StopJob() override { script_.Record("stop"); }
    void PauseJob() override { script_.Record("pause"); }
    void ResumeJob() override { script_.Record("resume"); }
    void KillStrayEncoders() override { script_.Record("kill"); }

  private:
    Script& script_;
};

class WorkerTest : public ::testing::Test {
  protected:
    void TearDown() override { ShutdownAfterConversion = false; }

    // Waiting jobs, one per letter.
    std::unique_ptr<ConversionWorker> Worker(const std::string& letters, int simultaneous = 1) {
        for (const char letter : letters) {
            JobItem job;
            job.inputPath = std::string(1, letter);
            job.state = JobState::Waiting;
            script.jobs.Append(job);
        }
        return std::make_unique<ConversionWorker>(
            script.jobs, [this] { return std::make_unique<FakeRunner>(script); }, script,
            simultaneous);
    }
    bool FinishedTimes(int times) {
        return Eventually([&] { return script.finished.load() >= times; });
    }
    Script script;
};

constexpr ConvertButtons kFinishedNothingWaiting{false, false, false, false, true};
constexpr ConvertButtons kRunning{true, false, true, false, false};
constexpr ConvertButtons kStopped{false, false, true, true, true};

} // namespace

// Converted jobs keep their rows; unselected ones have none. A job whose
// encoder cannot start stays waiting, so Stop stays enabled and the
// computer is not shut down.
TEST_F(WorkerTest, RunsWaitingJobsInOrderAndKeepsOneThatCouldNotStartWaiting) {
    ShutdownAfterConversion = true;
    script.results["b"] = JobOutcome::NotStarted;
    auto worker = Worker("xyabc");
    script.jobs[0].state = JobState::Converted;
    script.jobs[1].state = JobState::NotSelected;
    EXPECT_EQ(worker->Buttons(), kRunning);
    worker->Start();
    ASSERT_TRUE(FinishedTimes(1));

    EXPECT_EQ(script.States(), "CNCWC");
    const std::vector<std::string> expected{"batch",  "job:2",  "resume", "run:a", "end:a",
                                            "job:3",  "resume", "run:b",  "end:b", "job:4",
                                            "resume", "run:c",  "end:c"};
    EXPECT_EQ(script.Events(), expected);
    EXPECT_EQ(script.LastButtons(), (ConvertButtons{true, false, true, false, true}));
    EXPECT_EQ(script.shutDownRequests, 0);
    EXPECT_FALSE(worker->Cancel()); // "Please stop the conversion at first"
    EXPECT_EQ(worker->StopRestart(), kStopped);
    EXPECT_TRUE(worker->Cancel());
    EXPECT_EQ(script.Events().back(), "kill");
}

TEST_F(WorkerTest, PauseReachesTheRunningJobAndAPauseBetweenJobsReachesTheNext) {
    script.blockUntilStop = {"b"};
    script.Hold("b");
    auto worker = Worker("ab");
    worker->Start();
    // The worker is between jobs: a is done, b is being prepared.
    ASSERT_TRUE(script.SawEventually("job:1"));
    const ConvertButtons paused = worker->PauseResume();
    EXPECT_TRUE(paused.pauseShowsResume && paused.openFolderEnabled);
    EXPECT_EQ(script.Count("pause"), 0); // nothing runs that it could reach
    script.Hold("b", false);
    ASSERT_TRUE(script.SawEventually("run:b"));
    const auto events = script.Events();
    EXPECT_EQ(*(std::find(events.begin(), events.end(), "run:b") - 1), "pause");

    // Stop while paused: Pause is offered again, disabled.
    EXPECT_EQ(worker->StopRestart(), kStopped);
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_TRUE(worker->Cancel());
}

// Job a runs until stopped and its stopped run takes its time to end; the
// presses follow Stop before that run has ended. Only the last batch
// finishes, a Restart's batch waits for the stopped run, and the ones it
// replaced never ran.
struct PressRace {
    int pressesAfterStop;
    const char* states;
    ConvertButtons last;
    int runsOfA;
};

class WorkerRaceTest : public WorkerTest, public ::testing::WithParamInterface<PressRace> {};

TEST_P(WorkerRaceTest, OnlyTheLastPressCountsAndRunsNeverOverlap) {
    script.blockUntilStop = {"a"};
    script.stopDelay = 300ms;
    auto worker = Worker("ab");
    worker->Start();
    ASSERT_TRUE(script.SawEventually("run:a"));
    worker->StopRestart();
    script.blockUntilStop.clear();
    for (int press = 0; press < GetParam().pressesAfterStop; ++press)
        worker->StopRestart();
    ASSERT_TRUE(FinishedTimes(1));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(script.finished, 1);
    EXPECT_EQ(script.maxActive, 1);
    EXPECT_EQ(script.States(), GetParam().states);
    EXPECT_EQ(script.LastButtons(), GetParam().last);
    EXPECT_EQ(script.Count("run:a"), GetParam().runsOfA);
    EXPECT_TRUE(worker->Cancel());
}

INSTANTIATE_TEST_SUITE_P(Presses, WorkerRaceTest,
                         ::testing::Values(PressRace{3, "CC", kFinishedNothingWaiting, 2},
                                           PressRace{2, "WW", kStopped, 1}));

// Stopping and restarting several at once runs end to end in
// ConversionEndToEndTest; here Pause reaches every running job, and the
// worker's end stops them all and waits for them.
TEST_F(WorkerTest, SeveralAtOnceArePausedAndDestroyedTogether) {
    script.blockUntilStop = {"a", "b", "c"};
    auto worker = Worker("abcd", 3);
    worker->Start();
    ASSERT_TRUE(script.SawEventually("run:c"));
    EXPECT_FALSE(script.Saw("run:d"));
    worker->PauseResume();
    EXPECT_EQ(script.Count("pause"), 3);
    EXPECT_EQ(script.maxActive, 3);
    worker.reset();
    EXPECT_EQ(script.Count("end:a") + script.Count("end:b") + script.Count("end:c"), 3);
    EXPECT_FALSE(script.Saw("run:d"));
    EXPECT_EQ(script.finished, 0);
}

TEST_F(WorkerTest, StopAfterCurrentLetsTheRunningJobsFinishAndStartsNoOther) {
    script.Hold("a");
    script.Hold("b");
    auto worker = Worker("abc", 2);
    worker->Start();
    ASSERT_TRUE(Eventually([&] { return script.Count("job:1") == 1; }));
    worker->StopAfterCurrent();
    script.Hold("a", false);
    script.Hold("b", false);
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(script.States(), "CCW");
    EXPECT_EQ(script.LastButtons(), kStopped); // Restart goes on; Cancel closes
    EXPECT_TRUE(worker->Cancel());
}
