#include "convert/ConversionWorker.h"

#include "convert/BatchPlan.h"
#include "model/RunFlags.h"
#include "platform/SleepInhibitor.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace velmont {

ConversionWorker::ConversionWorker(JobList& jobs, RunnerFactory makeRunner,
                                   IConversionDialog& dialog, int simultaneous, bool automatic)
    : jobs_(jobs), makeRunner_(std::move(makeRunner)), dialog_(dialog),
      simultaneous_(std::max(simultaneous, 1)), automatic_(automatic) {}

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
    for (IJobRunner* runner : active_)
        runner->StopJob();
    slotFree_.notify_all();
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
        // No thread, no batch: leave the dialog stopped, so Restart can
        // try again and Cancel closes it.
        notStopped_ = false;
        running_ = true;
        buttons_ = {false, false, true, true, true};
    }
}

ConvertButtons ConversionWorker::PauseResume() {
    std::lock_guard lock(mutex_);
    if (!buttons_.pauseEnabled || cancelled_)
        return buttons_;
    running_ = !running_;
    buttons_.pauseShowsResume = !running_;
    // A job that starts later starts as the user wants it then.
    for (IJobRunner* runner : active_) {
        if (running_)
            runner->ResumeJob();
        else
            runner->PauseJob();
    }
    buttons_.openFolderEnabled = !running_;
    return buttons_;
}

ConvertButtons ConversionWorker::StopRestart() {
    std::lock_guard lock(mutex_);
    if (!buttons_.stopEnabled || cancelled_)
        return buttons_;
    notStopped_ = !notStopped_;
    buttons_.pauseEnabled = notStopped_;
    buttons_.stopShowsRestart = !notStopped_;
    if (!notStopped_) {
        buttons_.pauseShowsResume = false;
        running_ = true;
        for (IJobRunner* runner : active_)
            runner->StopJob();
        slotFree_.notify_all();
    } else {
        // The new batch waits until the stopped one has left its slots.
        LaunchLocked();
    }
    buttons_.openFolderEnabled = !notStopped_;
    return buttons_;
}

void ConversionWorker::StopAfterCurrent() {
    std::lock_guard lock(mutex_);
    finishing_ = true;
    slotFree_.notify_all();
}

bool ConversionWorker::Cancel() {
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        if (buttons_.pauseEnabled)
            return false;
        threads = CancelLocked();
    }
    JoinAll(threads);
    if (std::unique_ptr<IJobRunner> runner = makeRunner_())
        runner->KillStrayEncoders();
    return true;
}

ConvertButtons ConversionWorker::Buttons() const {
    std::lock_guard lock(mutex_);
    return buttons_;
}

bool ConversionWorker::MayContinueLocked(unsigned generation) const {
    return generation == generation_ && notStopped_ && !cancelled_ && !finishing_;
}

void ConversionWorker::Work(unsigned generation) {
    bool runJobs = false;
    {
        std::unique_lock lock(mutex_);
        batchEnded_.wait(lock, [this] { return !batchActive_; });
        if (generation != generation_ || cancelled_)
            return; // replaced or cancelled before it began
        runJobs = notStopped_;
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
        const bool alone = automatic_ && RunsAlone(jobs_[next]);
        if (!aloneActive_ && (!alone || active_.empty())) {
            taken_[next] = true;
            aloneActive_ = alone;
            return static_cast<int>(next);
        }
        slotFree_.wait(lock);
    }
}

void ConversionWorker::RunSlot(unsigned generation) {
    std::unique_ptr<IJobRunner> runner;
    for (;;) {
        int index = -1;
        bool alone = false;
        {
            std::unique_lock lock(mutex_);
            index = TakeNextJobLocked(lock, generation);
            alone = aloneActive_;
        }
        if (index < 0)
            return;
        if (!runner)
            runner = makeRunner_();
        JobItem& job = jobs_[static_cast<std::size_t>(index)];
        IJobEvents& events = dialog_.EventsFor(static_cast<std::size_t>(index));
        {
            std::lock_guard lock(mutex_);
            active_.push_back(runner.get());
            // The run starts as the user wants it now, and no request left
            // over from the previous run reaches it; a stop pressed since
            // the job was taken stops it at once.
            if (generation != generation_ || !notStopped_ || cancelled_)
                runner->StopJob();
            else if (running_)
                runner->ResumeJob();
            else
                runner->PauseJob();
        }
        const JobOutcome outcome = runner->RunJob(job, events);
        {
            std::lock_guard lock(mutex_);
            active_.erase(std::find(active_.begin(), active_.end(), runner.get()));
            if (alone)
                aloneActive_ = false;
            if (outcome == JobOutcome::Converted || outcome == JobOutcome::Failed)
                job.state = JobState::Converted;
            // Its output could not be read: the batch takes no new job.
            if (outcome == JobOutcome::ReadFailed)
                finishing_ = true;
        }
        slotFree_.notify_all();
    }
}

void ConversionWorker::FinishConversion(unsigned generation) {
    ConvertButtons buttons;
    bool shutDown = false;
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_ || cancelled_)
            return;
        const bool pending = std::any_of(jobs_.begin(), jobs_.end(), [](const JobItem& job) {
            return job.state == JobState::Waiting;
        });
        if (finishing_ && pending && notStopped_) {
            // Left cleanly by the user: the rest waits for a Restart.
            notStopped_ = false;
            running_ = true;
            buttons_.pauseShowsResume = false;
            buttons_.stopShowsRestart = true;
        }
        finishing_ = false;
        buttons_.stopEnabled = pending;
        buttons_.pauseEnabled = notStopped_ && pending;
        buttons_.openFolderEnabled = true;
        buttons = buttons_;
        shutDown = !pending && ShutdownAfterConversion.load();
    }
    dialog_.FinishConversion(buttons);
    if (shutDown && !dialog_.ShutDownComputer())
        dialog_.ShowShutDownFailed();
}

} // namespace velmont
