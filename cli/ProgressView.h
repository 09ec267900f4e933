#pragma once

#include "convert/JobEvents.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velmont::cli {

// One file of the batch as the views name it.
struct BatchFile {
    std::string input;
    std::string output;
};

// What the terminal shows of a batch. Called on the worker threads (and
// on the main thread for Paused, the probing threads for Probed); each
// view serializes its own printing.
class ProgressView {
  public:
    virtual ~ProgressView() = default;
    virtual void Started(std::size_t file) { (void)file; }
    virtual void Progress(std::size_t file, const JobProgress& progress) {
        (void)file;
        (void)progress;
    }
    // message: the encoder's error line, for a file that did not convert.
    virtual void Finished(std::size_t file, JobOutcome outcome, const std::string& message) {
        (void)file;
        (void)outcome;
        (void)message;
    }
    virtual void Paused(bool paused) { (void)paused; }
    // How many of the batch's sources are probed (on the probing threads).
    virtual void Probed(std::size_t done, std::size_t total) {
        (void)done;
        (void)total;
    }
    // The file's output was written under another name than planned.
    virtual void OutputRenamed(std::size_t file, const std::string& path) {
        (void)file;
        (void)path;
    }
};

} // namespace velmont::cli
