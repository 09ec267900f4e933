#include "convert/ConversionWorker.h"

#include "convert/BatchPlan.h"
#include "platform/SleepInhibitor.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace velmont {

// A run's events on their way to the front end; the worker also learns
// from them when the run's encoder is really paused.
class ConversionWorker::RunEvents : public IJobEvents {
  public:
    RunEvents(ConversionWorker& worker, IJobRunner* runner, IJobEvents& shown)
        : worker_(worker), runner_(runner), shown_(shown) {}

    void OnStarted() override { shown_.OnStarted(); }
    void OnHeaderText(const std::string& text) override { shown_.OnHeaderText(text); }
    void OnDurationKnown(int seconds) override { shown_.OnDurationKnown(seconds); }
    void OnProgress(const JobProgress& progress) override { shown_.OnProgress(progress); }
    void OnEncoderMessage(const std::string& line) override { shown_.OnEncoderMessage(line); }
    void OnPaused() override {
        shown_.OnPaused();
        worker_.NotePaused(runner_, true);
    }
    void OnResumed() override {
        worker_.NotePaused(runner_, false);
        shown_.OnResumed();
    }
    void OnOutputRenamed(const std::string& path) override { shown_.OnOutputRenamed(path); }
    void OnStopped() override { shown_.OnStopped(); }
    void OnFinished(JobOutcome outcome, const std::string& statusText) override {
        shown_.OnFinished(outcome, statusText);
    }

  private:
    ConversionWorker& worker_;
    IJobRunner* runner_;
    IJobEvents& shown_;
};

ConversionWorker::ConversionWorker(JobList& jobs, RunnerFactory makeRunner,
                                   IConversionDialog& dialog, int simultaneous, bool automatic,
                                   bool jobsReady, bool shutDownAfter)
    : jobs_(jobs), makeRunner_(std::move(makeRunner)), dialog_(dialog),
      simultaneous_(std::max(simultaneous, 1)), automatic_(automatic),
      shutDownAfter_(shutDownAfter), ready_(jobs.Count(), jobsReady) {}

ConversionWorker::~ConversionWorker() {
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        threads = CancelLocked();
    }
    JoinAll(threads);
}

std::vector<std::thread> ConversionWorker::CancelLocked() {
    cancelled_ = true;
    for (const ActiveRun& run : active_)
        run.runner->StopJob();
    slotFree_.notify_all();
    pausedChanged_.notify_all();
    std::vector<std::thread> threads;
    threads.swap(threads_);
    return threads;
}

void ConversionWorker::JoinAll(std::vector<std::thread>& threads) {
    for (std::thread& thread : threads)
        thread.join();
}

void ConversionWorker::Start() {
    std::lock_guard lock(mutex_);
    if (started_ || cancelled_)
        return;
    started_ = true;
    LaunchLocked();
}

void ConversionWorker::LaunchLocked() {
    ++generation_;
    finishing_ = false;
    slotFree_.notify_all();
    try {
        threads_.emplace_back(&ConversionWorker::Work, this, generation_);
    } catch (const std::system_error&) {
        // No thread, no batch: stopped, so Restart can try again and
        // Cancel closes.
        state_ = BatchState::Stopped;
    }
}

void ConversionWorker::Pause() {
    std::lock_guard lock(mutex_);
    if (cancelled_ || (state_ != BatchState::Running && state_ != BatchState::Unfinished))
        return;
    state_ = BatchState::Paused;
    // A job that starts later starts paused.
    for (const ActiveRun& run : active_)
        run.runner->PauseJob();
}

void ConversionWorker::Resume() {
    std::lock_guard lock(mutex_);
    if (cancelled_ || state_ != BatchState::Paused)
        return;
    state_ = BatchState::Running;
    for (const ActiveRun& run : active_)
        run.runner->ResumeJob();
    pausedChanged_.notify_all();
}

void ConversionWorker::Stop() {
    std::lock_guard lock(mutex_);
    if (cancelled_ || !KeepsFrontEndOpen(state_))
        return;
    state_ = BatchState::Stopped;
    for (const ActiveRun& run : active_)
        run.runner->StopJob();
    slotFree_.notify_all();
    pausedChanged_.notify_all();
}

void ConversionWorker::Restart() {
    std::lock_guard lock(mutex_);
    if (cancelled_ || state_ != BatchState::Stopped)
        return;
    state_ = BatchState::Running;
    // The new batch waits until the stopped one has left its slots.
    LaunchLocked();
}

void ConversionWorker::StopAfterCurrent() {
    std::lock_guard lock(mutex_);
    finishing_ = true;
    slotFree_.notify_all();
}

bool ConversionWorker::WaitUntilPaused(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return pausedChanged_.wait_for(lock, limit, [this] {
        return cancelled_ || state_ != BatchState::Paused || AllPausedLocked();
    });
}

bool ConversionWorker::AllPausedLocked() const {
    return starting_ == 0 && std::all_of(active_.begin(), active_.end(),
                                         [](const ActiveRun& run) { return run.paused; });
}

void ConversionWorker::NotePaused(IJobRunner* runner, bool paused) {
    {
        std::lock_guard lock(mutex_);
        for (ActiveRun& run : active_) {
            if (run.runner == runner)
                run.paused = paused;
        }
    }
    pausedChanged_.notify_all();
}

bool ConversionWorker::Cancel() {
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        if (KeepsFrontEndOpen(state_))
            return false;
        threads = CancelLocked();
    }
    JoinAll(threads);
    if (std::unique_ptr<IJobRunner> runner = makeRunner_())
        runner->KillStrayEncoders();
    return true;
}

void ConversionWorker::MarkReady(std::size_t index) {
    {
        std::lock_guard lock(mutex_);
        ready_.at(index) = true;
    }
    slotFree_.notify_all();
}

BatchState ConversionWorker::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

bool ConversionWorker::MayContinueLocked(unsigned generation) const {
    return generation == generation_ && state_ != BatchState::Stopped && !cancelled_ && !finishing_;
}

void ConversionWorker::Work(unsigned generation) {
    bool runJobs = false;
    {
        std::unique_lock lock(mutex_);
        batchEnded_.wait(lock, [this] { return !batchActive_; });
        if (generation != generation_ || cancelled_)
            return; // replaced or cancelled before it began
        runJobs = state_ != BatchState::Stopped;
        batchActive_ = true;
    }
    if (runJobs)
        RunBatch(generation);
    else
        FinishConversion(generation); // stopped again before it began: still end the batch
    {
        std::lock_guard lock(mutex_);
        batchActive_ = false;
    }
    batchEnded_.notify_all();
}

void ConversionWorker::RunBatch(unsigned generation) {
    dialog_.BatchStarted();
    if (jobs_.Empty())
        return;
    {
        std::lock_guard lock(mutex_);
        taken_.assign(jobs_.Count(), false);
    }
    RunSlots(generation);
    FinishConversion(generation);
}

namespace {

std::size_t CountWaiting(const JobList& jobs) {
    std::size_t waiting = 0;
    for (std::size_t index = 0; index < jobs.Count(); ++index)
        waiting += jobs[index].state == JobState::Waiting ? 1 : 0;
    return waiting;
}

std::string SleepReason(std::size_t files) {
    return "Converting " + std::to_string(files) + (files == 1 ? " file" : " files");
}

} // namespace

void ConversionWorker::RunSlots(unsigned generation) {
    // The machine stays awake until the last slot is done, and no longer:
    // the lock goes before the dialog hears that the batch has ended.
    const std::size_t waiting = CountWaiting(jobs_);
    SleepInhibitor awake;
    if (waiting > 0)
        awake = SleepInhibitor::Take(SleepReason(waiting));
    std::vector<std::thread> slots;
    for (int slot = 0; slot < simultaneous_; ++slot) {
        try {
            slots.emplace_back(&ConversionWorker::RunSlot, this, generation);
        } catch (const std::system_error&) {
            break; // fewer slots than asked for still convert the batch
        }
    }
    if (slots.empty())
        RunSlot(generation);
    JoinAll(slots);
}

int ConversionWorker::TakeNextJobLocked(std::unique_lock<std::mutex>& lock, unsigned generation) {
    for (;;) {
        if (!MayContinueLocked(generation))
            return -1;
        std::size_t next = 0;
        while (next < jobs_.Count() && (taken_[next] || jobs_[next].state != JobState::Waiting))
            ++next;
        if (next == jobs_.Count())
            return -1;
        // In list order: a job not yet ready holds back the ones after it.
        if (!ready_[next]) {
            slotFree_.wait(lock);
            continue;
        }
        const bool alone = automatic_ && RunsAlone(jobs_[next]);
        if (!aloneActive_ && (!alone || (active_.empty() && starting_ == 0))) {
            taken_[next] = true;
            aloneActive_ = alone;
            ++starting_;
            return static_cast<int>(next);
        }
        slotFree_.wait(lock);
    }
}

void ConversionWorker::RunSlot(unsigned generation) {
    std::unique_ptr<IJobRunner> runner;
    for (;;) {
        int index = -1;
        {
            std::unique_lock lock(mutex_);
            index = TakeNextJobLocked(lock, generation);
        }
        if (index < 0)
            return;
        if (!runner)
            runner = makeRunner_();
        RunTakenJob(*runner, static_cast<std::size_t>(index), generation);
        slotFree_.notify_all();
        pausedChanged_.notify_all();
    }
}

void ConversionWorker::RunTakenJob(IJobRunner& runner, std::size_t index, unsigned generation) {
    JobItem& job = jobs_[index];
    RunEvents events(*this, &runner, dialog_.EventsFor(index));
    bool alone = false;
    {
        std::lock_guard lock(mutex_);
        --starting_;
        alone = aloneActive_ && automatic_ && RunsAlone(job);
        active_.push_back({&runner, false});
        // The run starts as the user wants it now, and no request left
        // over from the previous run reaches it; a stop pressed since
        // the job was taken stops it at once.
        if (generation != generation_ || state_ == BatchState::Stopped || cancelled_)
            runner.StopJob();
        else if (state_ == BatchState::Paused)
            runner.PauseJob();
        else
            runner.ResumeJob();
    }
    const JobOutcome outcome = runner.RunJob(job, events);
    std::lock_guard lock(mutex_);
    active_.erase(std::find_if(active_.begin(), active_.end(),
                               [&](const ActiveRun& run) { return run.runner == &runner; }));
    if (alone)
        aloneActive_ = false;
    if (outcome == JobOutcome::Converted)
        job.state = JobState::Converted;
    else if (outcome == JobOutcome::Failed)
        job.state = JobState::Failed;
    // Its output could not be read: the batch takes no new job.
    if (outcome == JobOutcome::ReadFailed)
        finishing_ = true;
}

void ConversionWorker::FinishConversion(unsigned generation) {
    BatchState state = BatchState::Finished;
    bool shutDown = false;
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_ || cancelled_)
            return;
        const bool pending = std::any_of(jobs_.begin(), jobs_.end(), [](const JobItem& job) {
            return job.state == JobState::Waiting;
        });
        // Left cleanly by the user: the rest waits for a Restart.
        if (finishing_ && pending)
            state_ = BatchState::Stopped;
        finishing_ = false;
        if (!pending)
            state_ = BatchState::Finished;
        else if (state_ == BatchState::Running)
            state_ = BatchState::Unfinished;
        state = state_;
        shutDown = !pending && shutDownAfter_;
    }
    pausedChanged_.notify_all();
    dialog_.FinishConversion(state);
    if (shutDown && !dialog_.ShutDownComputer())
        dialog_.ShowShutDownFailed();
}

} // namespace velmont
