#pragma once

#include "convert/BatchState.h"
#include "convert/ConversionWorker.h"
#include "convert/OutputPlan.h"
#include "model/EncodingSettings.h"
#include "model/JobItem.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmont {

// What a front end asks of a batch.
struct BatchRequest {
    std::string outputFolder;    // every job's output folder
    int simultaneousSetting = 0; // 0: Automatic, else how many at once
    // Asked once when planned outputs are already on disk (their paths);
    // no answer: nothing runs.
    std::function<std::optional<ExistingOutputPolicy>(const std::vector<std::string>&)>
        existingOutputs;
    // Called for each waiting job once its values are resolved, before the
    // outputs are planned (the command line's exact values); may be empty.
    std::function<void(JobItem&)> adjustJob;
    // The sources are probed while the batch runs: Prepare plans the
    // outputs from the paths alone, and each job waits for JobReady.
    bool probedLater = false;
};

enum class Preparation {
    Ready,        // jobs wait; Start runs them
    NothingToRun, // no job is checked, or every one was skipped
    Refused,      // outputs exist and no policy was given for them
};

// One batch, from its preparation to its end, the same for the window and
// velmont-cli: Prepare once, Start once, then the verbs and State. The
// job list and the settings outlive the session.
//
// Threads: everything but JobReady is called on the front end's thread; the
// jobs run on the worker's threads (see ConversionWorker) and report
// through the dialog given to Start.
class BatchSession {
  public:
    BatchSession(JobList& jobs, const EncodingSettings& settings);
    // Stops a batch still running and waits for it.
    ~BatchSession();
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    // Marks the checked jobs waiting and the others not selected, gives
    // each waiting job its values from the settings and the output folder,
    // plans the outputs (free names for clashes, existing ones as the
    // request answers) and decides how many run at once.
    Preparation Prepare(const BatchRequest& request);
    // Marks the checked jobs waiting and the others not selected; true
    // when any is checked.
    static bool MarkCheckedJobs(JobList& jobs);
    // The planned outputs already on disk, as last asked about.
    const std::vector<std::string>& ExistingOutputs() const { return existing_; }
    int Simultaneous() const { return simultaneous_; }

    // With probedLater, once the job at `index` has been probed: gives it
    // its values and lets it run. Between Start and End, on any thread,
    // once per job; nothing else touches that job until then.
    void JobReady(std::size_t index);

    // Runs the waiting jobs; each running job gets a runner of its own and
    // reports to `dialog`, which outlives the run. Once.
    void Start(RunnerFactory makeRunner, IConversionDialog& dialog);
    void Pause();
    void Resume();
    void Stop();
    void Restart();
    void StopAfterCurrent();
    // After Pause: every running encoder is paused (false: not within
    // `limit`).
    bool WaitUntilPaused(std::chrono::milliseconds limit);
    // false while KeepsFrontEndOpen(State()); otherwise ends the run,
    // kills stray encoders and returns true.
    bool Cancel();
    // Finished until started.
    BatchState State() const;
    // Stops the run and waits for it: nothing reports to the dialog after.
    void End();

  private:
    void MarkAndResolve();
    void Resolve(JobItem& job) const;
    bool PlanOutputs();

    JobList& jobs_;
    const EncodingSettings& settings_;
    BatchRequest request_;
    std::vector<std::string> existing_;
    int simultaneous_ = 1;
    bool automatic_ = false;
    std::unique_ptr<ConversionWorker> worker_;
};

} // namespace velmont
