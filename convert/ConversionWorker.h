#pragma once

#include "convert/JobEvents.h"
#include "convert/JobRunner.h"
#include "model/JobItem.h"

#include <condition_variable>
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
    // Where the job at jobIndex, shown in row `row`, reports its run. The
    // object lives as long as the dialog.
    virtual IJobEvents& EventsFor(std::size_t jobIndex, int row) = 0;

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

// Runs the waiting jobs of the list in order on a thread of its own and
// keeps the state behind the dialog's buttons. The button operations are
// called on the user-interface thread and never wait for a job; only
// Cancel and the destructor wait for the worker, which a stop ends
// within one poll of the encoder. Only one worker ever runs jobs at a
// time, however fast Stop and Restart follow each other.
class ConversionWorker {
  public:
    // The job list, the runner and the dialog outlive this object.
    ConversionWorker(JobList& jobs, IJobRunner& runner, IConversionDialog& dialog);
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
    // Cancel pressed: false while a batch runs or is paused (tell the user
    // "Please stop the conversion at first"); otherwise waits for the
    // stopping worker, kills stray encoders and returns true: close.
    bool Cancel();

    ConvertButtons Buttons() const;

  private:
    void LaunchLocked();
    void Work(unsigned generation);
    void RunBatch(unsigned generation);
    // Under the lock: this batch may go on to its next job.
    bool MayContinueLocked(unsigned generation) const;
    void FinishConversion(unsigned generation);
    // Marks the worker cancelled, stops the running job and hands over the
    // threads to join once the lock is released.
    std::vector<std::thread> CancelLocked();
    static void JoinAll(std::vector<std::thread>& threads);

    JobList& jobs_;
    IJobRunner& runner_;
    IConversionDialog& dialog_;

    mutable std::mutex mutex_;
    std::condition_variable batchEnded_;
    ConvertButtons buttons_;
    bool running_ = true;    // not paused
    bool notStopped_ = true; // not stopped
    bool cancelled_ = false;
    bool started_ = false;
    bool batchActive_ = false; // a worker is inside RunBatch
    bool inJob_ = false;       // that worker is inside RunJob
    unsigned generation_ = 0;  // of the batch that may run jobs
    std::vector<std::thread> threads_;
};

} // namespace velmont
