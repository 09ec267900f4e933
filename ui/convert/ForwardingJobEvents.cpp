#include "ui/convert/ForwardingJobEvents.h"

#include "ui/convert/UiThreadQueue.h"

namespace velmont {

void ForwardingJobEvents::OnStarted() {
    queue_.Post([&target = target_] { target.OnStarted(); });
}

void ForwardingJobEvents::OnHeaderText(const std::string& text) {
    queue_.Post([&target = target_, text] { target.OnHeaderText(text); });
}

void ForwardingJobEvents::OnDurationKnown(int seconds) {
    queue_.Post([&target = target_, seconds] { target.OnDurationKnown(seconds); });
}

void ForwardingJobEvents::OnProgress(const JobProgress& progress) {
    queue_.Post([&target = target_, progress] { target.OnProgress(progress); });
}

void ForwardingJobEvents::OnEncoderMessage(const std::string& line) {
    queue_.Post([&target = target_, line] { target.OnEncoderMessage(line); });
}

void ForwardingJobEvents::OnOutputRenamed(const std::string& path) {
    queue_.Post([&target = target_, path] { target.OnOutputRenamed(path); });
}

void ForwardingJobEvents::OnPaused() {
    queue_.Post([&target = target_] { target.OnPaused(); });
}

void ForwardingJobEvents::OnResumed() {
    queue_.Post([&target = target_] { target.OnResumed(); });
}

void ForwardingJobEvents::OnStopped() {
    queue_.Post([&target = target_] { target.OnStopped(); });
}

void ForwardingJobEvents::OnFinished(JobOutcome outcome, const std::string& statusText) {
    queue_.Post(
        [&target = target_, outcome, statusText] { target.OnFinished(outcome, statusText); });
}

} // namespace velmont
