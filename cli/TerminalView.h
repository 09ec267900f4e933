#pragma once

#include "cli/ProgressView.h"

#include <chrono>
#include <map>
#include <mutex>

namespace velmont::cli {

// For a terminal on standard error: a bar per running file and one for the
// batch, redrawn in place with ANSI escapes; a finished file leaves one
// line above them.
class TerminalView : public ProgressView {
  public:
    explicit TerminalView(std::vector<BatchFile> files);
    void Started(std::size_t file) override;
    void Progress(std::size_t file, const JobProgress& progress) override;
    void Finished(std::size_t file, JobOutcome outcome, const std::string& message) override;
    void OutputRenamed(std::size_t file, const std::string& path) override;
    void Paused(bool paused) override;

  private:
    void EraseLocked();
    void DrawLocked();
    std::string BatchLineLocked() const;

    std::vector<BatchFile> files_;
    std::map<std::size_t, JobProgress> running_;
    std::size_t finished_ = 0;
    int drawnLines_ = 0;
    bool paused_ = false;
    std::chrono::steady_clock::time_point start_;
    std::mutex mutex_;
};

} // namespace velmont::cli
