#pragma once

#include "convert/ListCells.h"
#include "convert/LogView.h"
#include "model/JobItem.h"

namespace velmont {

// What the conversion worker needs to run jobs: the engine's operations.
// Run* and the setters are called on the worker thread, one job at a
// time; the *Job requests on any thread while RunJob runs, and they only
// post a request.
class IJobRunner {
  public:
    virtual ~IJobRunner() = default;

    virtual void ResolveEncoderValues(JobItem& job) = 0;
    virtual void LoadJob(const JobItem& job) = 0;
    virtual void SetLogView(ILogView* logView) = 0;
    virtual void SetProgressCell(IListCells* list, int row, int column) = 0;
    // -1 not run (the encoder could not start), 0 stopped or reading its
    // output failed, 1 the encoder ran to its end.
    virtual int RunJob() = 0;

    virtual void StopJob() = 0;
    virtual void PauseJob() = 0;
    virtual void ResumeJob() = 0;

    virtual void KillStrayEncoders() = 0;
};

} // namespace velmont
