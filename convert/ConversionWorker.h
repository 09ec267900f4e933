#pragma once

#include "convert/BatchState.h"
#include "convert/JobEvents.h"
#include "convert/JobRunner.h"
#include "model/JobItem.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace velmont {

// What the conversion dialog does for the worker. Called on the worker
// thread; none of them may wait for the user-interface thread (it may be
// waiting for the worker in Cancel): post the work and return.
class IConversionDialog {
  public:
    virtual ~IConversionDialog() = default;

    // A batch begins: the log starts empty.
    virtual void BatchStarted() = 0;
    // Where the job at jobIndex of the list reports its run. The object
    // lives as long as the dialog.
    virtual IJobEvents& EventsFor(std::size_t jobIndex) = 0;

    // A batch has ended (not one that Cancel or Restart replaced) in
    // `state`. Read ConversionWorker::State() when the posted call is
    // handled: a verb used meanwhile has changed it since.
    virtual void FinishConversion(BatchState state) = 0;
    // Asks the system to power off; false when refused. Called only when
    // the batch was asked to and no job is left waiting.
    virtual bool ShutDownComputer() = 0;
    // Tells the user "Failed to shut down".
    virtual void ShowShutDownFailed() = 0;
};

// Makes the runner of one running job: each job that runs at the same time
// as others has a runner (an engine) of its own.
using RunnerFactory = std::function<std::unique_ptr<IJobRunner>()>;

// Runs the waiting jobs of the list in list order, up to `simultaneous` at
// once, on threads of its own, and keeps the batch's state. Pause, Resume
// and Stop act on every running job; a failed job never stops the others.
// A verb that does not apply to the state is ignored.
//
// Threads: the verbs are called on the front end's thread and never wait
// for a job; only WaitUntilPaused, Cancel and the destructor wait, and a stop
// ends every run within the encoder's grace period. One batch thread starts
// one thread per slot; a slot takes the next waiting job under the lock, so
// no job runs twice, and a Restart's batch begins only once the stopped
// batch has left its slots, however fast Stop and Restart follow each other.
class ConversionWorker {
  public:
    // The job list and the dialog outlive this object. simultaneous < 1
    // counts as 1; `automatic` lets jobs that already use every core
    // (RunsAlone) run by themselves. Without `jobsReady` each job waits for
    // MarkReady, and the jobs after it wait in list order. With
    // `shutDownAfter` the computer is powered off once every job is done.
    ConversionWorker(JobList& jobs, RunnerFactory makeRunner, IConversionDialog& dialog,
                     int simultaneous = 1, bool automatic = false, bool jobsReady = true,
                     bool shutDownAfter = false);
    // Stops the batch and waits for it; no thread and no run outlive this.
    ~ConversionWorker();
    ConversionWorker(const ConversionWorker&) = delete;
    ConversionWorker& operator=(const ConversionWorker&) = delete;

    // Starts the first batch (once; later calls do nothing).
    void Start();
    // Running or Unfinished: pauses every running job.
    void Pause();
    // Paused: resumes them.
    void Resume();
    // Running, Paused or Unfinished: stops every running job.
    void Stop();
    // Stopped: a new batch goes on with the jobs still waiting.
    void Restart();
    // Lets the running jobs finish and starts no new one; the batch then
    // ends as stopped, so Restart goes on with the rest.
    void StopAfterCurrent();
    // After Pause: waits until every running encoder has been paused (or
    // its run has ended), at most `limit`; false when the time ran out.
    bool WaitUntilPaused(std::chrono::milliseconds limit);
    // false while KeepsFrontEndOpen (tell the user "Please stop the
    // conversion at first"); otherwise waits for the stopping worker, kills
    // stray encoders and returns true: close.
    bool Cancel();

    // The job at `index` may run: whoever filled it in (a probe running
    // beside the batch) is done with it. Any thread.
    void MarkReady(std::size_t index);

    BatchState State() const;
    int Simultaneous() const { return simultaneous_; }

  private:
    class RunEvents;
    struct ActiveRun {
        IJobRunner* runner;
        bool paused; // its encoder said so since the last resume
    };

    void LaunchLocked();
    void NotePaused(IJobRunner* runner, bool paused);
    bool AllPausedLocked() const;
    void RunTakenJob(IJobRunner& runner, std::size_t index, unsigned generation);
    void Work(unsigned generation);
    void RunBatch(unsigned generation);
    // Runs the batch's slots to their end, keeping the computer awake.
    void RunSlots(unsigned generation);
    void RunSlot(unsigned generation);
    // Under the lock: the index of the job this slot may start now, -1 when
    // the slot is done; waits while a job that runs alone keeps it out.
    int TakeNextJobLocked(std::unique_lock<std::mutex>& lock, unsigned generation);
    // Under the lock: this batch may start another job.
    bool MayContinueLocked(unsigned generation) const;
    void FinishConversion(unsigned generation);
    // Marks the worker cancelled, stops the running jobs and hands over
    // the threads to join once the lock is released.
    std::vector<std::thread> CancelLocked();
    static void JoinAll(std::vector<std::thread>& threads);

    JobList& jobs_;
    RunnerFactory makeRunner_;
    IConversionDialog& dialog_;
    const int simultaneous_;
    const bool automatic_;
    const bool shutDownAfter_;

    mutable std::mutex mutex_;
    std::condition_variable batchEnded_;
    std::condition_variable slotFree_;
    std::condition_variable pausedChanged_;
    BatchState state_ = BatchState::Running;
    bool cancelled_ = false;
    bool started_ = false;
    bool finishing_ = false;        // stop after the running jobs
    bool batchActive_ = false;      // a batch thread is inside RunBatch
    unsigned generation_ = 0;       // of the batch that may run jobs
    std::vector<bool> taken_;       // jobs a slot of this batch has started
    std::vector<bool> ready_;       // jobs a slot may take
    std::vector<ActiveRun> active_; // runners inside RunJob
    int starting_ = 0;              // jobs taken, not yet inside RunJob
    bool aloneActive_ = false;      // a job that runs alone is running
    std::vector<std::thread> threads_;
};

} // namespace velmont
