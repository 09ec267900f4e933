#pragma once

#include "convert/JobEvents.h"
#include "convert/JobRunner.h"
#include "model/JobItem.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace velmont {

// The conversion dialog's Pause/Resume, Stop/Restart and Open Folder
// buttons.
struct ConvertButtons {
    bool pauseEnabled = true;
    bool pauseShowsResume = false; // the button offers "Resume"
    bool stopEnabled = true;
    bool stopShowsRestart = false; // the button offers "Restart"
    bool openFolderEnabled = false;

    const char* PauseText() const { return pauseShowsResume ? "Resume" : "Pause"; }
    const char* StopText() const { return stopShowsRestart ? "Restart" : "Stop"; }
    bool operator==(const ConvertButtons&) const = default;
};

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

    // A batch has ended (not one that Cancel or Restart replaced). Show
    // ConversionWorker::Buttons() when the posted call is handled: a press
    // made meanwhile has changed them since.
    virtual void FinishConversion(const ConvertButtons& buttons) = 0;
    // Asks the system to power off; false when refused. Called only when
    // ShutdownAfterConversion is set and no job is left waiting.
    virtual bool ShutDownComputer() = 0;
    // Tells the user "Failed to shut down".
    virtual void ShowShutDownFailed() = 0;
};

// Makes the runner of one running job: each job that runs at the same time
// as others has a runner (an engine) of its own.
using RunnerFactory = std::function<std::unique_ptr<IJobRunner>()>;

// Runs the waiting jobs of the list in list order, up to `simultaneous` at
// once, on threads of its own, and keeps the state behind the dialog's
// buttons. Pause, Resume and Stop act on every running job; a failed job
// never stops the others.
//
// Threads: the button operations are called on the user-interface thread
// and never wait for a job; only Cancel and the destructor wait, and a stop
// ends every run within the encoder's grace period. One batch thread starts
// one thread per slot; a slot takes the next waiting job under the lock, so
// no job runs twice, and a Restart's batch begins only once the stopped
// batch has left its slots, however fast Stop and Restart follow each other.
class ConversionWorker {
  public:
    // The job list and the dialog outlive this object. simultaneous < 1
    // counts as 1; `automatic` lets jobs that already use every core
    // (RunsAlone) run by themselves.
    ConversionWorker(JobList& jobs, RunnerFactory makeRunner, IConversionDialog& dialog,
                     int simultaneous = 1, bool automatic = false);
    // Stops the batch and waits for it; no thread and no run outlive this.
    ~ConversionWorker();
    ConversionWorker(const ConversionWorker&) = delete;
    ConversionWorker& operator=(const ConversionWorker&) = delete;

    // Starts the first batch (once; later calls do nothing).
    void Start();
    // Pause/Resume pressed; ignored while the button is disabled.
    ConvertButtons PauseResume();
    // Stop/Restart pressed; ignored while the button is disabled. Restart
    // starts a new batch with the jobs still waiting.
    ConvertButtons StopRestart();
    // Lets the running jobs finish and starts no new one; the batch then
    // ends as stopped, so Restart goes on with the rest.
    void StopAfterCurrent();
    // Cancel pressed: false while a batch runs or is paused (tell the user
    // "Please stop the conversion at first"); otherwise waits for the
    // stopping worker, kills stray encoders and returns true: close.
    bool Cancel();

    ConvertButtons Buttons() const;
    int Simultaneous() const { return simultaneous_; }

  private:
    void LaunchLocked();
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

    mutable std::mutex mutex_;
    std::condition_variable batchEnded_;
    std::condition_variable slotFree_;
    ConvertButtons buttons_;
    bool running_ = true;    // not paused
    bool notStopped_ = true; // not stopped
    bool cancelled_ = false;
    bool started_ = false;
    bool finishing_ = false;          // stop after the running jobs
    bool batchActive_ = false;        // a batch thread is inside RunBatch
    unsigned generation_ = 0;         // of the batch that may run jobs
    std::vector<bool> taken_;         // jobs a slot of this batch has started
    std::vector<IJobRunner*> active_; // runners inside RunJob
    bool aloneActive_ = false;        // a job that runs alone is running
    std::vector<std::thread> threads_;
};

} // namespace velmont
