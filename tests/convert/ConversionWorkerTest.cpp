#include "convert/ConversionWorker.h"
#include "convert/MemoryListCells.h"
#include "convert/MemoryLogView.h"
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
    std::map<std::string, int> results;   // by input path; 1 when absent
    std::set<std::string> blockUntilStop; // by input path
    std::chrono::milliseconds stopDelay{0};

    void ResolveEncoderValues(JobItem& job) override {
        Record("resolve:" + job.inputPath);
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !held_.count(job.inputPath); });
    }
    void LoadJob(const JobItem& job) override {
        std::lock_guard lock(mutex_);
        loaded_ = job.inputPath;
    }
    void SetLogView(ILogView* logView) override {
        std::lock_guard lock(mutex_);
        logView_ = logView;
    }
    void SetProgressCell(IListCells*, int row, int) override {
        Record("row:" + std::to_string(row));
    }
    int RunJob() override {
        maxActive_ = std::max(maxActive_.load(), ++active_);
        std::unique_lock lock(mutex_);
        const std::string path = loaded_;
        events_.push_back("run:" + path);
        int result = results.count(path) ? results.at(path) : 1;
        if (request_ == "stop" || blockUntilStop.count(path)) {
            changed_.wait(lock, [&] { return request_ == "stop"; });
            result = 0;
        }
        lock.unlock();
        if (result == 0)
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
    ILogView* LogView() const {
        std::lock_guard lock(mutex_);
        return logView_;
    }

  private:
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
    std::string loaded_;
    std::string request_;
    ILogView* logView_ = nullptr;
    std::atomic<int> active_{0};
    std::atomic<int> maxActive_{0};
};

class FakeDialog : public IConversionDialog {
  public:
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
    mutable std::mutex mutex_;
    ConvertButtons lastButtons_;
};

JobItem Job(const std::string& path, int state = kJobWaiting) {
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
    std::vector<int> States() const {
        std::vector<int> states;
        for (const JobItem& job : jobs)
            states.push_back(job.state);
        return states;
    }

    JobList jobs;
    FakeRunner runner;
    MemoryLogView log;
    MemoryListCells cells;
    FakeDialog dialog;
};

constexpr ConvertButtons kFinishedNothingWaiting{false, false, false, false, true};
constexpr ConvertButtons kRunning{true, false, true, false, false};
constexpr ConvertButtons kStopped{false, false, true, true, true};

} // namespace

// Converted jobs keep their rows; unselected ones have none.
TEST_F(WorkerTest, RunsWaitingJobsInOrderThenLeavesOnlyOpenFolderEnabled) {
    AddJobs({Job("done", kJobConverted), Job("skip", kJobNotSelected), Job("a"), Job("b")});
    log.SetText("text of an earlier batch");
    ConversionWorker worker(jobs, runner, log, cells, dialog);
    EXPECT_EQ(worker.Buttons(), kRunning);
    worker.Start();
    ASSERT_TRUE(FinishedTimes(1));

    EXPECT_EQ(States(),
              (std::vector<int>{kJobConverted, kJobNotSelected, kJobConverted, kJobConverted}));
    const std::vector<std::string> expected{"resolve:a", "row:1", "resume", "run:a", "end:a",
                                            "resolve:b", "row:2", "resume", "run:b", "end:b"};
    EXPECT_EQ(runner.Events(), expected);
    EXPECT_EQ(runner.LogView(), &log);
    EXPECT_EQ(log.Text(), ""); // cleared when the batch began
    EXPECT_EQ(dialog.LastButtons(), kFinishedNothingWaiting);
    EXPECT_EQ(worker.Buttons(), kFinishedNothingWaiting);
    EXPECT_EQ(dialog.shutDownRequests, 0);

    EXPECT_TRUE(worker.Cancel());
    EXPECT_EQ(runner.Events().back(), "kill");
}

TEST_F(WorkerTest, JobWhoseEncoderCannotStartStaysWaitingAndKeepsStopEnabled) {
    ShutdownAfterConversion = true;
    runner.results["b"] = -1;
    AddJobs({Job("a"), Job("b"), Job("c")});
    ConversionWorker worker(jobs, runner, log, cells, dialog);
    worker.Start();
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(States(), (std::vector<int>{kJobConverted, kJobWaiting, kJobConverted}));
    EXPECT_EQ(dialog.LastButtons(), (ConvertButtons{true, false, true, false, true}));
    EXPECT_EQ(dialog.shutDownRequests, 0); // a job is left waiting
    EXPECT_FALSE(worker.Cancel());         // "Please stop the conversion at first"

    EXPECT_EQ(worker.StopRestart(), kStopped);
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, StopEndsTheBatchAndRestartRunsTheJobsStillWaiting) {
    runner.blockUntilStop = {"b"};
    AddJobs({Job("a"), Job("b"), Job("c")});
    ConversionWorker worker(jobs, runner, log, cells, dialog);
    worker.Start();
    ASSERT_TRUE(Eventually([&] { return runner.Saw("run:b"); }));
    EXPECT_FALSE(worker.Cancel());

    EXPECT_EQ(worker.StopRestart(), kStopped);
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(States(), (std::vector<int>{kJobConverted, kJobWaiting, kJobWaiting}));
    EXPECT_FALSE(runner.Saw("run:c"));
    EXPECT_EQ(dialog.LastButtons(), kStopped);

    runner.blockUntilStop.clear();
    log.SetText("log of the stopped batch");
    EXPECT_EQ(worker.StopRestart(), kRunning);
    ASSERT_TRUE(FinishedTimes(2));
    EXPECT_EQ(States(), (std::vector<int>{kJobConverted, kJobConverted, kJobConverted}));
    EXPECT_EQ(runner.Count("run:a"), 1);
    EXPECT_EQ(runner.Count("run:b"), 2);
    EXPECT_EQ(runner.Count("run:c"), 1);
    EXPECT_EQ(log.Text(), "");
    EXPECT_EQ(dialog.LastButtons(), kFinishedNothingWaiting);
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, PauseReachesTheRunningJobAndAPauseBetweenJobsReachesTheNext) {
    runner.blockUntilStop = {"b"};
    runner.Hold("b");
    AddJobs({Job("a"), Job("b")});
    ConversionWorker worker(jobs, runner, log, cells, dialog);
    worker.Start();
    // The worker is between jobs: a is done, b is being prepared.
    ASSERT_TRUE(Eventually([&] { return runner.Saw("resolve:b"); }));
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
    ConversionWorker worker(jobs, runner, log, cells, dialog);
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
    EXPECT_EQ(States(), (std::vector<int>{kJobConverted, kJobConverted}));
    const auto events = runner.Events();
    const auto firstEnd = std::find(events.begin(), events.end(), "end:a");
    ASSERT_NE(firstEnd, events.end());
    EXPECT_NE(std::find(firstEnd, events.end(), "run:a"), events.end());
    EXPECT_TRUE(worker.Cancel());
}

TEST_F(WorkerTest, StopAgainBeforeTheRestartedBatchBeganStillEndsTheBatch) {
    ConversionWorker worker(jobs, runner, log, cells, dialog);
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
        ConversionWorker worker(jobs, runner, log, cells, dialog);
        worker.Start();
        ASSERT_TRUE(Eventually([&] { return runner.Saw("run:a"); }));
    }
    EXPECT_TRUE(runner.Saw("end:a"));
    EXPECT_FALSE(runner.Saw("run:b"));
    EXPECT_EQ(dialog.finished, 0);
}

TEST_F(WorkerTest, EmptyJobListEndsWithoutFinishing) {
    ConversionWorker worker(jobs, runner, log, cells, dialog);
    worker.Start();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(dialog.finished, 0);
    EXPECT_FALSE(worker.Cancel());
    worker.StopRestart();
    EXPECT_TRUE(worker.Cancel());
}
