#pragma once

#include "cli/ProgressView.h"

#include <mutex>

namespace velmont::cli {

// For a standard error that is no terminal: one line per finished file.
class PlainView : public ProgressView {
  public:
    explicit PlainView(std::vector<BatchFile> files) : files_(std::move(files)) {}
    void Finished(std::size_t file, JobOutcome outcome, const std::string& message) override;
    void OutputRenamed(std::size_t file, const std::string& path) override;

  private:
    std::vector<BatchFile> files_;
    std::mutex mutex_;
};

} // namespace velmont::cli
