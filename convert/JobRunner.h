#pragma once

#include "convert/JobEvents.h"
#include "model/JobItem.h"

namespace velmont {

// What the conversion worker needs to run jobs. RunJob is called on the
// worker thread, one job at a time; the *Job requests on any thread while
// RunJob runs, and they only post a request.
class IJobRunner {
  public:
    virtual ~IJobRunner() = default;

    // Runs a waiting job whose encoder values are resolved; events hear
    // the run, OnFinished last.
    virtual JobOutcome RunJob(const JobItem& job, IJobEvents& events) = 0;

    virtual void StopJob() = 0;
    virtual void PauseJob() = 0;
    virtual void ResumeJob() = 0;

    virtual void KillStrayEncoders() = 0;
};

} // namespace velmont
