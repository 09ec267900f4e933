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
// on the main thread for Paused); each view serializes its own printing.
class ProgressView {
  public:
    virtual ~ProgressView() = default;
    virtual void Started(std::size_t file) { (void)file; }
    virtual void Progress(std::size_t file, const JobProgress& progress) {
        (void)file;
        (void)progress;
    }
    // message: the encoder's last line, for a file that did not convert.
    virtual void Finished(std::size_t file, JobOutcome outcome, const std::string& message) {
        (void)file;
        (void)outcome;
        (void)message;
    }
    virtual void Paused(bool paused) { (void)paused; }
    // The file's output was written under another name than planned.
    virtual void OutputRenamed(std::size_t file, const std::string& path) {
        (void)file;
        (void)path;
    }
};

// The last non-empty line of an encoder's collected text.
std::string LastLine(const std::string& text);

} // namespace velmont::cli
