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

// A runner that records what the worker asks of it. A job's run returns
// its scripted result at once, or, for a blocking job, waits until a stop
// is requested (then returns 0, like a stopped encoder).
class FakeRunner : public IJobRunner {
  public:
    std::map<std::string, JobOutcome> results; // by input path; Converted when absent
    std::set<std::string> blockUntilStop;      // by input path
    std::chrono::milliseconds stopDelay{0};

    // The worker asks for a job's events just before it runs the job.
    void Prepare(const JobItem& job, int row) {
        Record("row:" + std::to_string(row));
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !held_.count(job.inputPath); });
    }
    JobOutcome RunJob(const JobItem& job, IJobEvents&) override {
        maxActive_ = std::max(maxActive_.load(), ++active_);
        std::unique_lock lock(mutex_);
        const std::string path = job.inputPath;
        events_.push_back("run:" + path);
        JobOutcome result = results.count(path) ? results.at(path) : JobOutcome::Converted;
        if (request_ == "stop" || blockUntilStop.count(path)) {
            changed_.wait(lock, [&] { return request_ == "stop"; });
            result = JobOutcome::Stopped;
        }
        lock.unlock();
        if (result == JobOutcome::Stopped)
            std::this_thread::sleep_for(stopDelay);
        Record("end:" + path);
        --active_;
        return result;
    }
    void StopJob() override { Record("stop"); }
    void PauseJob() override { Record("pause"); }
    void ResumeJob() override { Record("resume"); }
    void KillStrayEncoders() override { Record("kill"); }

    // ResolveEncoderValues of this job waits until Release.
    void Hold(const std::string& path) {
        std::lock_guard lock(mutex_);
        held_.insert(path);
    }
    void Release(const std::string& path) {
        std::lock_guard lock(mutex_);
        held_.erase(path);
        changed_.notify_all();
    }

    std::vector<std::string> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    bool Saw(const std::string& event) const { return Count(event) > 0; }
    int Count(const std::string& event) const {
        const auto events = Events();
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }
    int MaxActive() const { return maxActive_; }

    // Stop, pause and resume also become the standing request.
    void Record(const std::string& event) {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
        if (event == "stop" || event == "pause" || event == "resume")
            request_ = event;
        changed_.notify_all();
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> events_;
    std::set<std::string> held_;
    std::string request_;
    std::atomic<int> active_{0};
    std::atomic<int> maxActive_{0};
};

// Each running job's runner, all reporting to one FakeRunner.
class RunnerHandle : public IJobRunner {
  public:
    explicit RunnerHandle(FakeRunner& runner) : runner_(runner) {}
    JobOutcome RunJob(const JobItem& job, IJobEvents& events) override {
        return runner_.RunJob(job, events);
    }
    void StopJob() override { runner_.StopJob(); }
    void PauseJob() override { runner_.PauseJob(); }
    void ResumeJob() override { runner_.ResumeJob(); }
    void KillStrayEncoders() override { runner_.KillStrayEncoders(); }

  private:
    FakeRunner& runner_;
};

class FakeDialog : public IConversionDialog {
  public:
    FakeDialog(JobList& jobs, FakeRunner& runner) : jobs_(jobs), runner_(runner) {}

    void BatchStarted() override { runner_.Record("batch"); }
    IJobEvents& EventsFor(std::size_t jobIndex, int row) override {
        runner_.Prepare(jobs_[jobIndex], row);
        return events_;
    }

    std::atomic<bool> shutDownAccepted{true};
    std::atomic<int> finished{0};
    std::atomic<int> shutDownRequests{0};
    std::atomic<int> shutDownFailures{0};

    void FinishConversion(const ConvertButtons& buttons) override {
        std::lock_guard lock(mutex_);
        lastButtons_ = buttons;
        ++finished;
    }
    bool ShutDownComputer() override {
        ++shutDownRequests;
        return shutDownAccepted;
    }
    void ShowShutDownFailed() override { ++shutDownFailures; }

    ConvertButtons LastButtons() const {
        std::lock_guard lock(mutex_);
        return lastButtons_;
    }

  private:
    JobList& jobs_;
    FakeRunner& runner_;
    IJobEvents events_;
    mutable std::mutex mutex_;
    ConvertButtons lastButtons_;
};

JobItem Job(const std::string& path, JobState state = JobState::Waiting) {
    JobItem job;
    job.inputPath = path;
    job.state = state;
    return job;
}

class WorkerTest : public ::testing::Test {
  protected:
    void SetUp() override { ShutdownAfterConversion = false; }
    void TearDown() override { ShutdownAfterConversion = false; }

    void AddJobs(std::initializer_list<JobItem> list) {
        for (const JobItem& job : list)
            jobs.Append(job);
    }
    bool FinishedTimes(int times) {
        return Eventually([&] { return dialog.finished.load() >= times; });
    }
    // Jobs a and b; a runs until stopped, and its stopped run takes its time to end.
    void StartWithSlowStoppingFirstJob(ConversionWorker& worker) {
        runner.blockUntilStop = {"a"};
        runner.stopDelay = 300ms;
        AddJobs({Job("a"), Job("b")});
        worker.Start();
        ASSERT_TRUE(Eventually([&] { return runner.Saw("run:a"); }));
    }
    RunnerFactory Runners() {
        return [this] { return std::make_unique<RunnerHandle>(runner); };
    }
    std::vector<JobState> States() const {
        std::vector<JobState> states;
        for (const JobItem& job : jobs)
            states.push_back(job.state);
        return states;
    }

    JobList jobs;
    FakeRunner runner;
    FakeDialog dialog{jobs, runner};
};

constexpr ConvertButtons kFinishedNothingWaiting{false, false, false, false, true};
constexpr ConvertButtons kRunning{true, false, true, false, false};
constexpr ConvertButtons kStopped{false, false, true, true, true};

} // namespace

// Converted jobs keep their rows; unselected ones have none.
TEST_F(WorkerTest, RunsWaitingJobsInOrderThenLeavesOnlyOpenFolderEnabled) {
    AddJobs(
        {Job("done", JobState::Converted), Job("skip", JobState::NotSelected), Job("a"), Job("b")});
    ConversionWorker worker(jobs, Runners(), dialog);
    EXPECT_EQ(worker.Buttons(), kRunning);
    worker.Start();
    ASSERT_TRUE(FinishedTimes(1));

    EXPECT_EQ(States(), (std::vector<JobState>{JobState::Converted, JobState::NotSelected,
                                               JobState::Converted, JobState::Converted}));
    const std::vector<std::string> expected{"batch", "row:1",  "resume", "run:a", "end:a",
                                            "row:2", "resume", "run:b",  "end:b"};
    EXPECT_EQ(runner.Events(), expected);
    EXPECT_EQ(dialog.LastButtons(), kFinishedNothingWaiting);
    EXPECT_EQ(worker.Buttons(), kFinishedNothingWaiting);
    EXPECT_EQ(dialog.shutDownRequests, 0);

    EXPECT_TRUE(worker.Cancel());
    EXPECT_EQ(runner.Events().back(), "kill");
}

TEST_F(WorkerTest, JobWhoseEncoderCannotStartStaysWaitingAndKeepsStopEnabled) {
    ShutdownAfterConversion = true;
    runner.results["b"] = JobOutcome::NotStarted;
    AddJobs({Job("a"), Job("b"), Job("c")});
    ConversionWorker worker(jobs, Runners(), dialog);
    worker.Start();
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(States(),
              (std::vector<JobState>{JobState::Converted, JobState::Waiting, JobState::Converted}));
    EXPECT_EQ(dialog.LastButtons(), (ConvertButtons{true, false, true, false, true}));
    EXPECT_EQ(dialog.shutDownRequests, 0); // a job is left waiting
    EXPECT_FALSE(worker.Cancel());         // "Please stop the conversion at first"

    EXPECT_EQ(worker.StopRestart(), kStopped);
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, StopEndsTheBatchAndRestartRunsTheJobsStillWaiting) {
    runner.blockUntilStop = {"b"};
    AddJobs({Job("a"), Job("b"), Job("c")});
    ConversionWorker worker(jobs, Runners(), dialog);
    worker.Start();
    ASSERT_TRUE(Eventually([&] { return runner.Saw("run:b"); }));
    EXPECT_FALSE(worker.Cancel());

    EXPECT_EQ(worker.StopRestart(), kStopped);
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(States(),
              (std::vector<JobState>{JobState::Converted, JobState::Waiting, JobState::Waiting}));
    EXPECT_FALSE(runner.Saw("run:c"));
    EXPECT_EQ(dialog.LastButtons(), kStopped);

    runner.blockUntilStop.clear();
    EXPECT_EQ(worker.StopRestart(), kRunning);
    ASSERT_TRUE(FinishedTimes(2));
    EXPECT_EQ(States(), (std::vector<JobState>{JobState::Converted, JobState::Converted,
                                               JobState::Converted}));
    EXPECT_EQ(runner.Count("run:a"), 1);
    EXPECT_EQ(runner.Count("run:b"), 2);
    EXPECT_EQ(runner.Count("run:c"), 1);
    EXPECT_EQ(runner.Count("batch"), 2);
    EXPECT_EQ(dialog.LastButtons(), kFinishedNothingWaiting);
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, PauseReachesTheRunningJobAndAPauseBetweenJobsReachesTheNext) {
    runner.blockUntilStop = {"b"};
    runner.Hold("b");
    AddJobs({Job("a"), Job("b")});
    ConversionWorker worker(jobs, Runners(), dialog);
    worker.Start();
    // The worker is between jobs: a is done, b is being prepared.
    ASSERT_TRUE(Eventually([&] { return runner.Saw("row:1"); }));
    const ConvertButtons paused = worker.PauseResume();
    EXPECT_TRUE(paused.pauseShowsResume);
    EXPECT_TRUE(paused.openFolderEnabled);
    EXPECT_EQ(runner.Count("pause"), 0); // nothing runs that it could reach
    runner.Release("b");
    ASSERT_TRUE(Eventually([&] { return runner.Saw("run:b"); }));
    auto events = runner.Events();
    EXPECT_EQ(*(std::find(events.begin(), events.end(), "run:b") - 1), "pause");

    const ConvertButtons resumed = worker.PauseResume();
    EXPECT_FALSE(resumed.pauseShowsResume);
    EXPECT_FALSE(resumed.openFolderEnabled);
    EXPECT_EQ(runner.Events().back(), "resume");

    worker.PauseResume();
    // Stop while paused: Pause is offered again, disabled.
    EXPECT_EQ(worker.StopRestart(), kStopped);
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, RestartRightAfterStopWaitsForTheStoppedRunToEnd) {
    ConversionWorker worker(jobs, Runners(), dialog);
    ASSERT_NO_FATAL_FAILURE(StartWithSlowStoppingFirstJob(worker));
    worker.StopRestart();
    runner.blockUntilStop.clear();
    // Several presses before the stopped run has ended.
    worker.StopRestart();
    worker.StopRestart();
    worker.StopRestart();
    // Only the last Restart's batch finishes; the ones it replaced never ran.
    ASSERT_TRUE(FinishedTimes(1));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(dialog.finished, 1);
    EXPECT_EQ(runner.MaxActive(), 1);
    EXPECT_EQ(States(), (std::vector<JobState>{JobState::Converted, JobState::Converted}));
    const auto events = runner.Events();
    const auto firstEnd = std::find(events.begin(), events.end(), "end:a");
    ASSERT_NE(firstEnd, events.end());
    EXPECT_NE(std::find(firstEnd, events.end(), "run:a"), events.end());
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, StopAgainBeforeTheRestartedBatchBeganStillEndsTheBatch) {
    ConversionWorker worker(jobs, Runners(), dialog);
    ASSERT_NO_FATAL_FAILURE(StartWithSlowStoppingFirstJob(worker));
    worker.StopRestart(); // Stop
    worker.StopRestart(); // Restart: waits for the stopped run
    worker.StopRestart(); // Stop again before it began
    // The dialog hears the end of the batch, with Restart offered.
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(dialog.LastButtons(), kStopped);
    EXPECT_EQ(runner.Count("run:a"), 1);
    EXPECT_FALSE(runner.Saw("run:b"));
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, DestroyingTheWorkerStopsItsRunAndWaitsForIt) {
    runner.blockUntilStop = {"a"};
    AddJobs({Job("a"), Job("b")});
    {
        ConversionWorker worker(jobs, Runners(), dialog);
        worker.Start();
        ASSERT_TRUE(Eventually([&] { return runner.Saw("run:a"); }));
    }
    EXPECT_TRUE(runner.Saw("end:a"));
    EXPECT_FALSE(runner.Saw("run:b"));
    EXPECT_EQ(dialog.finished, 0);
}

TEST_F(WorkerTest, EmptyJobListEndsWithoutFinishing) {
    ConversionWorker worker(jobs, Runners(), dialog);
    worker.Start();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(dialog.finished, 0);
    EXPECT_FALSE(worker.Cancel());
    worker.StopRestart();
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, SeveralAtOnceShareTheButtonsAndRestartRunsExactlyTheRest) {
    runner.blockUntilStop = {"a", "b", "c"};
    AddJobs({Job("a"), Job("b"), Job("c"), Job("d"), Job("e")});
    ConversionWorker worker(jobs, Runners(), dialog, 3);
    worker.Start();
    ASSERT_TRUE(Eventually([&] { return runner.Saw("run:c"); }));
    EXPECT_FALSE(runner.Saw("run:d"));
    worker.PauseResume();
    EXPECT_EQ(runner.Count("pause"), 3); // every running job
    worker.PauseResume();

    EXPECT_EQ(worker.StopRestart(), kStopped); // reaches all three
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(runner.MaxActive(), 3);
    EXPECT_EQ(States(), std::vector<JobState>(5, JobState::Waiting));
    runner.blockUntilStop.clear();
    worker.StopRestart();
    ASSERT_TRUE(FinishedTimes(2));
    EXPECT_EQ(States(), std::vector<JobState>(5, JobState::Converted));
    for (const char* job : {"run:a", "run:b", "run:c"})
        EXPECT_EQ(runner.Count(job), 2);
    EXPECT_EQ(runner.Count("run:d"), 1);
    EXPECT_LE(runner.MaxActive(), 3);
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, StopAfterCurrentLetsTheRunningJobsFinishAndStartsNoOther) {
    runner.Hold("a");
    runner.Hold("b");
    AddJobs({Job("a"), Job("b"), Job("c")});
    ConversionWorker worker(jobs, Runners(), dialog, 2);
    worker.Start();
    ASSERT_TRUE(Eventually([&] { return runner.Count("row:1") == 1; }));
    worker.StopAfterCurrent();
    runner.Release("a");
    runner.Release("b");
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(States(),
              (std::vector<JobState>{JobState::Converted, JobState::Converted, JobState::Waiting}));
    EXPECT_EQ(dialog.LastButtons(), kStopped); // Restart goes on; Cancel closes
    EXPECT_TRUE(worker.Cancel());
}
