#include "cli/PlainView.h"

#include <cstdio>

namespace velmont::cli {

void PlainView::Finished(std::size_t file, JobOutcome outcome, const std::string& message) {
    std::lock_guard lock(mutex_);
    const BatchFile& batchFile = files_.at(file);
    if (outcome == JobOutcome::Converted)
        std::fprintf(stderr, "converted: %s -> %s\n", batchFile.input.c_str(),
                     batchFile.output.c_str());
    else if (outcome != JobOutcome::Stopped)
        std::fprintf(stderr, "failed: %s: %s\n", batchFile.input.c_str(), message.c_str());
}

void PlainView::OutputRenamed(std::size_t file, const std::string& path) {
    std::lock_guard lock(mutex_);
    files_.at(file).output = path;
}

} // namespace velmont::cli
