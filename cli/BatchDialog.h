#pragma once

#include "cli/ProgressView.h"
#include "convert/ConversionWorker.h"

#include <atomic>
#include <memory>
#include <vector>

namespace velmont::cli {

// The worker's dialog for a terminal: relays each job's events to the view,
// keeps each job's outcome and says when the batch has ended by writing to
// a pipe the main thread polls. Called on worker threads.
class BatchDialog : public IConversionDialog {
  public:
    // fileOfJob: the view's file number for each job index (-1: none).
    BatchDialog(ProgressView& view, std::vector<int> fileOfJob, int endedFd);
    ~BatchDialog() override;

    void BatchStarted() override {}
    IJobEvents& EventsFor(std::size_t jobIndex) override;
    void FinishConversion(BatchState state) override;
    bool ShutDownComputer() override { return true; }
    void ShowShutDownFailed() override {}

    struct Result {
        bool ran = false;
        JobOutcome outcome = JobOutcome::NotStarted;
        std::string message;
    };
    // Read after the batch has ended.
    const Result& ResultOf(std::size_t jobIndex) const;

  private:
    class Relay;
    ProgressView& view_;
    std::vector<std::unique_ptr<Relay>> relays_;
    int endedFd_;
};

} // namespace velmont::cli
