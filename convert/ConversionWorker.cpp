#include "convert/ConversionWorker.h"

#include "model/RunFlags.h"

#include <algorithm>
#include <system_error>

namespace velmont {

ConversionWorker::ConversionWorker(JobList& jobs, IJobRunner& runner, IConversionDialog& dialog)
    : jobs_(jobs), runner_(runner), dialog_(dialog) {}

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
    if (inJob_)
        runner_.StopJob();
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
    try {
        threads_.emplace_back(&ConversionWorker::Work, this, generation_);
    } catch (const std::system_error&) {
        // No thread, no batch: leave the dialog stopped, so Restart can
        // try again and Cancel closes it.
        notStopped_ = false;
        running_ = true;
        buttons_.pauseEnabled = false;
        buttons_.pauseShowsResume = false;
        buttons_.stopEnabled = true;
        buttons_.stopShowsRestart = true;
        buttons_.openFolderEnabled = true;
    }
}

ConvertButtons ConversionWorker::PauseResume() {
    std::lock_guard lock(mutex_);
    if (!buttons_.pauseEnabled || cancelled_)
        return buttons_;
    running_ = !running_;
    buttons_.pauseShowsResume = !running_;
    // Between jobs the choice is carried into the next run by the worker.
    if (inJob_) {
        if (running_)
            runner_.ResumeJob();
        else
            runner_.PauseJob();
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
        if (inJob_)
            runner_.StopJob();
    } else {
        // The new worker waits until the stopped one has left its batch.
        LaunchLocked();
    }
    buttons_.openFolderEnabled = !notStopped_;
    return buttons_;
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
    runner_.KillStrayEncoders();
    return true;
}

ConvertButtons ConversionWorker::Buttons() const {
    std::lock_guard lock(mutex_);
    return buttons_;
}

bool ConversionWorker::MayContinueLocked(unsigned generation) const {
    return generation == generation_ && notStopped_ && !cancelled_;
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

    int row = 0;
    for (std::size_t i = 0; i < jobs_.Count(); ++i) {
        JobItem& job = jobs_[i];
        if (job.state == JobState::Converted) {
            ++row; // converted jobs keep their rows
            continue;
        }
        if (job.state != JobState::Waiting)
            continue;
        {
            std::lock_guard lock(mutex_);
            if (!MayContinueLocked(generation))
                break;
        }
        IJobEvents& events = dialog_.EventsFor(i, row);
        {
            std::lock_guard lock(mutex_);
            if (!MayContinueLocked(generation))
                break;
            inJob_ = true;
            // The run starts as the user wants it now, and no request left
            // over from the previous run reaches it.
            if (running_)
                runner_.ResumeJob();
            else
                runner_.PauseJob();
        }
        const JobOutcome outcome = runner_.RunJob(job, events);
        {
            std::lock_guard lock(mutex_);
            inJob_ = false;
        }
        if (outcome == JobOutcome::Converted || outcome == JobOutcome::Failed)
            job.state = JobState::Converted;
        else if (outcome != JobOutcome::NotStarted)
            break; // a stop, or the encoder's output could not be read
        ++row;
    }
    FinishConversion(generation);
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
