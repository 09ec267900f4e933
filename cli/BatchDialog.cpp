#include "cli/BatchDialog.h"

#include "convert/ResultLine.h"

#include <unistd.h>

namespace velmont::cli {

class BatchDialog::Relay : public IJobEvents {
  public:
    Relay(ProgressView& view, std::size_t file) : view_(view), file_(file) {}
    void OnStarted() override {
        result.ran = true;
        view_.Started(file_);
    }
    void OnProgress(const JobProgress& progress) override { view_.Progress(file_, progress); }
    void OnOutputRenamed(const std::string& path) override { view_.OutputRenamed(file_, path); }
    void OnFinished(JobOutcome outcome, const std::string& statusText) override {
        result.outcome = outcome;
        result.message = ErrorLineOf(statusText);
        result.ran = true;
        view_.Finished(file_, outcome, result.message);
    }

    Result result;

  private:
    ProgressView& view_;
    std::size_t file_;
};

BatchDialog::BatchDialog(ProgressView& view, std::vector<int> fileOfJob, int endedFd)
    : view_(view), endedFd_(endedFd) {
    for (int file : fileOfJob)
        relays_.push_back(std::make_unique<Relay>(view_, std::size_t(file < 0 ? 0 : file)));
}

BatchDialog::~BatchDialog() = default;

IJobEvents& BatchDialog::EventsFor(std::size_t jobIndex) {
    return *relays_.at(jobIndex);
}

void BatchDialog::FinishConversion(BatchState) {
    const char ended = 1;
    (void)!::write(endedFd_, &ended, 1);
}

const BatchDialog::Result& BatchDialog::ResultOf(std::size_t jobIndex) const {
    return relays_.at(jobIndex)->result;
}

} // namespace velmont::cli
