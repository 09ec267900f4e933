#pragma once

#include "convert/JobEvents.h"

namespace velmont {

class UiThreadQueue;

// A job's events as the worker thread reports them, each posted in order to
// a target that lives on the user-interface thread; the worker never
// touches a widget itself.
class ForwardingJobEvents : public IJobEvents {
  public:
    // target lives on queue's thread and outlives every posted event.
    ForwardingJobEvents(IJobEvents& target, UiThreadQueue& queue)
        : target_(target), queue_(queue) {}

    void OnStarted() override;
    void OnHeaderText(const std::string& text) override;
    void OnDurationKnown(int seconds) override;
    void OnProgress(const JobProgress& progress) override;
    void OnEncoderMessage(const std::string& line) override;
    void OnOutputRenamed(const std::string& path) override;
    void OnPaused() override;
    void OnResumed() override;
    void OnStopped() override;
    void OnFinished(JobOutcome outcome, const std::string& statusText) override;

  private:
    IJobEvents& target_;
    UiThreadQueue& queue_;
};

} // namespace velmont
