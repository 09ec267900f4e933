#pragma once

#include "cli/ProgressView.h"

#include <mutex>

namespace velmont::cli {

// --json: one JSON object per line on standard output, for other programs:
//   {"event":"started","file":0,"input":"...","output":"..."}
//   {"event":"progress","file":0,"percent":42,"seconds":3.1,"speed":8.2,"secondsLeft":1.5}
//   {"event":"finished","file":0,"input":"...","output":"...","outcome":"converted","message":""}
class JsonView : public ProgressView {
  public:
    explicit JsonView(std::vector<BatchFile> files) : files_(std::move(files)) {}
    void Started(std::size_t file) override;
    void Progress(std::size_t file, const JobProgress& progress) override;
    void Finished(std::size_t file, JobOutcome outcome, const std::string& message) override;
    void OutputRenamed(std::size_t file, const std::string& path) override;

  private:
    void PrintLine(const std::string& line);

    std::vector<BatchFile> files_;
    std::mutex mutex_;
};

// The text as a JSON string, quotes included.
std::string JsonString(const std::string& text);
const char* OutcomeName(JobOutcome outcome);

} // namespace velmont::cli
