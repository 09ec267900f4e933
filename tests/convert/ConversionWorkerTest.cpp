#include "convert/ConversionWorker.h"
#include "convert/BatchSession.h"
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
    std::chrono::milliseconds pauseDelay{0}; // until a paused encoder says so
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
    void FinishConversion(BatchState state) override {
        std::lock_guard lock(mutex_);
        lastState_ = state;
        ++finished;
    }
    bool ShutDownComputer() override { return ++shutDownRequests > 0; }
    void ShowShutDownFailed() override {}

    JobOutcome Run(const std::string& job, IJobEvents& events) {
        maxActive = std::max(maxActive.load(), ++active_);
        std::unique_lock lock(mutex_);
        events_.push_back("run:" + job);
        JobOutcome result = results.count(job) ? results.at(job) : JobOutcome::Converted;
        if (request_ == "stop" || blockUntilStop.count(job)) {
            WaitForStop(lock, events);
            result = JobOutcome::Stopped;
        }
        lock.unlock();
        if (result == JobOutcome::Stopped)
            std::this_thread::sleep_for(stopDelay); // a stopped encoder takes its time to end
        Record("end:" + job);
        --active_;
        return result;
    }
    // A blocked run reports a pause, after pauseDelay, until it is stopped.
    void WaitForStop(std::unique_lock<std::mutex>& lock, IJobEvents& events) {
        bool saidPaused = false;
        for (;;) {
            changed_.wait(
                lock, [&] { return request_ == "stop" || (request_ == "pause") != saidPaused; });
            if (request_ == "stop")
                return;
            saidPaused = !saidPaused;
            lock.unlock();
            if (saidPaused) {
                std::this_thread::sleep_for(pauseDelay);
                Record("paused");
                events.OnPaused();
            }
            lock.lock();
        }
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
    BatchState LastState() const {
        std::lock_guard lock(mutex_);
        return lastState_;
    }
    // One letter per job: N not selected, W waiting, C converted, F failed.
    std::string States() const {
        std::string states;
        for (const JobItem& job : jobs)
            states += "NWCF"[static_cast<int>(job.state)];
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
    BatchState lastState_ = BatchState::Running;
};

// One running job's runner, reporting to the script.
class FakeRunner : public IJobRunner {
  public:
    explicit FakeRunner(Script& script) : script_(script) {}
    JobOutcome RunJob(const JobItem& job, IJobEvents& events) override {
        return script_.Run(job.inputPath, events);
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
    // Waiting jobs, one per letter.
    std::unique_ptr<ConversionWorker> Worker(const std::string& letters, int simultaneous = 1,
                                             bool automatic = false, bool ready = true) {
        for (const char letter : letters) {
            JobItem job;
            job.inputPath = std::string(1, letter);
            job.state = JobState::Waiting;
            script.jobs.Append(job);
        }
        return std::make_unique<ConversionWorker>(
            script.jobs, [this] { return std::make_unique<FakeRunner>(script); }, script,
            simultaneous, automatic, ready, shutDownAfter);
    }
    bool shutDownAfter = false;
    bool FinishedTimes(int times) {
        return Eventually([&] { return script.finished.load() >= times; });
    }
    Script script;
};

} // namespace

// Converted jobs keep their rows; unselected ones have none. A job whose
// encoder cannot start stays waiting, so Stop stays enabled and the
// computer is not shut down.
TEST_F(WorkerTest, RunsWaitingJobsInOrderAndKeepsOneThatCouldNotStartWaiting) {
    shutDownAfter = true;
    script.results["b"] = JobOutcome::NotStarted;
    script.results["c"] = JobOutcome::Failed;
    auto worker = Worker("xyabc");
    script.jobs[0].state = JobState::Converted;
    script.jobs[1].state = JobState::NotSelected;
    EXPECT_EQ(worker->State(), BatchState::Running);
    worker->Start();
    ASSERT_TRUE(FinishedTimes(1));

    EXPECT_EQ(script.States(), "CNCWF"); // only a converted run counts as converted
    const std::vector<std::string> expected{"batch",  "job:2",  "resume", "run:a", "end:a",
                                            "job:3",  "resume", "run:b",  "end:b", "job:4",
                                            "resume", "run:c",  "end:c"};
    EXPECT_EQ(script.Events(), expected);
    EXPECT_EQ(script.LastState(), BatchState::Unfinished);
    EXPECT_EQ(script.shutDownRequests, 0);
    EXPECT_FALSE(worker->Cancel()); // "Please stop the conversion at first"
    worker->Stop();
    EXPECT_EQ(worker->State(), BatchState::Stopped);
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
    worker->Pause();
    EXPECT_EQ(worker->State(), BatchState::Paused);
    EXPECT_EQ(script.Count("pause"), 0); // nothing runs that it could reach
    script.Hold("b", false);
    ASSERT_TRUE(script.SawEventually("run:b"));
    const auto events = script.Events();
    EXPECT_EQ(*(std::find(events.begin(), events.end(), "run:b") - 1), "pause");

    worker->Stop();
    EXPECT_EQ(worker->State(), BatchState::Stopped);
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
    BatchState last;
    int runsOfA;
};

class WorkerRaceTest : public WorkerTest, public ::testing::WithParamInterface<PressRace> {};

TEST_P(WorkerRaceTest, OnlyTheLastPressCountsAndRunsNeverOverlap) {
    script.blockUntilStop = {"a"};
    script.stopDelay = 300ms;
    auto worker = Worker("ab");
    worker->Start();
    ASSERT_TRUE(script.SawEventually("run:a"));
    worker->Stop();
    script.blockUntilStop.clear();
    for (int press = 0; press < GetParam().pressesAfterStop; ++press)
        press % 2 == 0 ? worker->Restart() : worker->Stop();
    ASSERT_TRUE(FinishedTimes(1));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(script.finished, 1);
    EXPECT_EQ(script.maxActive, 1);
    EXPECT_EQ(script.States(), GetParam().states);
    EXPECT_EQ(script.LastState(), GetParam().last);
    EXPECT_EQ(script.Count("run:a"), GetParam().runsOfA);
    EXPECT_TRUE(worker->Cancel());
}

INSTANTIATE_TEST_SUITE_P(Presses, WorkerRaceTest,
                         ::testing::Values(PressRace{3, "CC", BatchState::Finished, 2},
                                           PressRace{2, "WW", BatchState::Stopped, 1}));

// velmont-cli probes its sources while the batch runs: a job waits for its
// probe and holds back the jobs after it; Stop still ends such a batch.
TEST_F(WorkerTest, AJobWaitsUntilReadyAndHoldsBackTheJobsAfterIt) {
    auto worker = Worker("abc", 2, false, false);
    worker->MarkReady(0);
    worker->Start();
    ASSERT_TRUE(script.SawEventually("end:a"));
    worker->MarkReady(2);
    std::this_thread::sleep_for(100ms); // b and c had their chance
    EXPECT_FALSE(script.Saw("job:1") || script.Saw("job:2"));
    worker->Stop();
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(script.LastState(), BatchState::Stopped);
    worker->Restart();
    worker->MarkReady(1);
    ASSERT_TRUE(FinishedTimes(2));
    EXPECT_EQ(script.States(), "CCC");
    EXPECT_EQ(script.LastState(), BatchState::Finished);
}

// Stopping and restarting several at once runs end to end in
// ConversionEndToEndTest; here Pause reaches every running job, and the
// worker's end stops them all and waits for them.
TEST_F(WorkerTest, SeveralAtOnceArePausedAndDestroyedTogether) {
    script.blockUntilStop = {"a", "b", "c"};
    auto worker = Worker("abcd", 3);
    worker->Start();
    ASSERT_TRUE(script.SawEventually("run:c"));
    EXPECT_FALSE(script.Saw("run:d"));
    worker->Pause();
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
    EXPECT_EQ(script.LastState(), BatchState::Stopped); // Restart goes on; Cancel closes
    EXPECT_TRUE(worker->Cancel());
}

// Ctrl-Z stops velmont-cli only once every encoder is paused, which each
// run reports at its next look at its requests.
TEST_F(WorkerTest, WaitUntilPausedReturnsOnceEveryRunningEncoderSaysSo) {
    script.blockUntilStop = {"a", "b"};
    script.pauseDelay = 300ms;
    auto worker = Worker("ab", 2);
    worker->Start();
    ASSERT_TRUE(script.SawEventually("run:a") && script.SawEventually("run:b"));
    worker->Pause();
    EXPECT_TRUE(worker->WaitUntilPaused(10s));
    EXPECT_EQ(script.Count("paused"), 2);
    worker->Stop();
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_TRUE(worker->Cancel());
}

// A job that must run alone waits for every other job, even one that is
// taken but not yet running, and the jobs after it wait for it.
TEST_F(WorkerTest, AutomaticRunsAJobThatMustRunAloneByItself) {
    script.Hold("a");
    auto worker = Worker("aVb", 3, true);
    script.jobs[1].video.pass = 2; // it reads its source twice
    worker->Start();
    ASSERT_TRUE(script.SawEventually("job:0"));
    std::this_thread::sleep_for(100ms); // the other slots had their chance
    EXPECT_FALSE(script.Saw("job:1"));
    script.Hold("a", false);
    ASSERT_TRUE(FinishedTimes(1));
    const auto events = script.Events();
    const auto at = [&](const std::string& event) {
        return std::find(events.begin(), events.end(), event) - events.begin();
    };
    EXPECT_LT(at("end:a"), at("job:1"));
    EXPECT_LT(at("end:V"), at("job:2"));
    EXPECT_EQ(script.States(), "CCC");
}

// As the front ends prepare it: with Automatic, an audio job starts beside
// another one, a video job (its encoder uses every core) waits for them.
TEST_F(WorkerTest, AutomaticSessionStartsAVideoJobAloneAndAudioJobsTogether) {
    for (const char* name : {"a", "b", "V"}) {
        JobItem job;
        job.inputPath = job.outputName = name;
        job.hasAudio = true;
        job.hasVideo = job.inputPath == "V";
        job.formatId = job.hasVideo ? kFormatMp4 : kFormatMp3;
        script.jobs.Append(job);
    }
    const EncodingSettings settings;
    BatchSession session(script.jobs, settings);
    ASSERT_EQ(session.Prepare({"/nonexistent/velmont-out", 0, {}, {}}), Preparation::Ready);
    if (session.Simultaneous() < 2)
        GTEST_SKIP() << "one core: every job runs by itself";
    script.Hold("a");
    session.Start([this] { return std::make_unique<FakeRunner>(script); }, script);
    ASSERT_TRUE(script.SawEventually("run:b")); // beside the held a
    std::this_thread::sleep_for(100ms);         // V had its chance
    EXPECT_FALSE(script.Saw("job:2"));
    script.Hold("a", false);
    ASSERT_TRUE(FinishedTimes(1));
    EXPECT_EQ(script.States(), "CCC");
}
