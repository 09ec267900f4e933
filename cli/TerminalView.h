#pragma once

#include "cli/ProgressView.h"

#include <chrono>
#include <map>
#include <mutex>

namespace velmont::cli {

// For a terminal on standard error: a bar per running file and one for the
// batch, redrawn in place with ANSI escapes; a finished file leaves one
// line above them. While sources are being probed a last line counts them
// ("Probing 350 of 1000 files"), redrawn at most ten times a second.
class TerminalView : public ProgressView {
  public:
    explicit TerminalView(std::vector<BatchFile> files);
    void Started(std::size_t file) override;
    void Progress(std::size_t file, const JobProgress& progress) override;
    void Finished(std::size_t file, JobOutcome outcome, const std::string& message) override;
    void OutputRenamed(std::size_t file, const std::string& path) override;
    void Paused(bool paused) override;
    void Probed(std::size_t done, std::size_t total) override;

  private:
    void EraseLocked();
    void DrawLocked();
    std::string BatchLineLocked() const;

    std::vector<BatchFile> files_;
    std::map<std::size_t, JobProgress> running_;
    std::size_t finished_ = 0;
    int drawnLines_ = 0;
    bool paused_ = false;
    std::size_t probed_ = 0;
    std::size_t toProbe_ = 0;
    std::chrono::steady_clock::time_point probeDrawn_{};
    std::chrono::steady_clock::time_point start_;
    std::mutex mutex_;
};

} // namespace velmont::cli
