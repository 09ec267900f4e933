#include "convert/BatchSession.h"

#include "convert/BatchPlan.h"
#include "convert/ResolveEncoderValues.h"

#include <algorithm>

namespace velmont {

BatchSession::BatchSession(JobList& jobs, const EncodingSettings& settings)
    : jobs_(jobs), settings_(settings) {}

BatchSession::~BatchSession() = default;

Preparation BatchSession::Prepare(const BatchRequest& request) {
    request_ = request;
    MarkAndResolve();
    if (!PlanOutputs())
        return Preparation::Refused;
    simultaneous_ =
        request.simultaneousSetting > 0 ? request.simultaneousSetting : SimultaneousJobs(0);
    automatic_ = request.simultaneousSetting <= 0;
    const bool anyWaiting = std::any_of(jobs_.begin(), jobs_.end(), [](const JobItem& job) {
        return job.state == JobState::Waiting;
    });
    return anyWaiting ? Preparation::Ready : Preparation::NothingToRun;
}

// Each job takes its values now: the batch never reads the settings again,
// which their owner may change meanwhile. The outputs need only the folder.
void BatchSession::MarkAndResolve() {
    MarkCheckedJobs(jobs_);
    for (JobItem& job : jobs_) {
        if (job.state != JobState::Waiting)
            continue;
        job.outputDirectory = request_.outputFolder;
        if (!request_.probedLater)
            Resolve(job);
    }
}

void BatchSession::Resolve(JobItem& job) const {
    ResolveEncoderValues(job, settings_);
    job.outputDirectory = request_.outputFolder;
    if (request_.adjustJob)
        request_.adjustJob(job);
}

void BatchSession::JobReady(std::size_t index) {
    if (jobs_[index].state == JobState::Waiting)
        Resolve(jobs_[index]);
    if (worker_)
        worker_->MarkReady(index);
}

// Outputs that are a source of the batch or another job's output get free
// names whatever the answer about existing ones.
bool BatchSession::PlanOutputs() {
    existing_ = OutputPlan(jobs_, ExistingOutputPolicy::Refuse).ExistingPaths();
    ExistingOutputPolicy policy = ExistingOutputPolicy::KeepBoth;
    if (!existing_.empty()) {
        const std::optional<ExistingOutputPolicy> answer =
            request_.existingOutputs ? request_.existingOutputs(existing_) : std::nullopt;
        if (!answer || *answer == ExistingOutputPolicy::Refuse)
            return false;
        policy = *answer;
    }
    OutputPlan(jobs_, policy).ApplyTo(jobs_);
    return true;
}

bool BatchSession::MarkCheckedJobs(JobList& jobs) {
    bool anyChecked = false;
    for (JobItem& job : jobs) {
        job.state = job.checked ? JobState::Waiting : JobState::NotSelected;
        anyChecked = anyChecked || job.checked;
    }
    return anyChecked;
}

void BatchSession::Start(RunnerFactory makeRunner, IConversionDialog& dialog) {
    if (worker_)
        return;
    worker_ = std::make_unique<ConversionWorker>(jobs_, std::move(makeRunner), dialog,
                                                 simultaneous_, automatic_, !request_.probedLater,
                                                 settings_.Batch().shutDownAfterConversion);
    worker_->Start();
}

void BatchSession::Pause() {
    if (worker_)
        worker_->Pause();
}

void BatchSession::Resume() {
    if (worker_)
        worker_->Resume();
}

void BatchSession::Stop() {
    if (worker_)
        worker_->Stop();
}

void BatchSession::Restart() {
    if (worker_)
        worker_->Restart();
}

void BatchSession::StopAfterCurrent() {
    if (worker_)
        worker_->StopAfterCurrent();
}

bool BatchSession::WaitUntilPaused(std::chrono::milliseconds limit) {
    return !worker_ || worker_->WaitUntilPaused(limit);
}

bool BatchSession::Cancel() {
    return !worker_ || worker_->Cancel();
}

BatchState BatchSession::State() const {
    return worker_ ? worker_->State() : BatchState::Finished;
}

void BatchSession::End() {
    worker_.reset();
}

} // namespace velmont
