#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace rendix {

struct Status {
    bool hasVideo = false;
    std::int64_t frames = 0;
    std::int64_t bytes = 0;
    double seconds = 0; // output position
};

// The status line the converter reads (see protocol/EncoderConsole.h),
// without the carriage return.
std::string FormatStatus(const Status& status);

// The closing line: sizes of what was written.
std::string FormatSummary(std::int64_t videoBytes, std::int64_t audioBytes, std::int64_t fileBytes);

// Prints a status line ending in '\r' at most twice a second.
class StatusPrinter {
  public:
    void Update(const Status& status);
    void Final(const Status& status);
    // True while the last thing written is a status line without its newline.
    bool midLine() const { return printed_ && !ended_; }

  private:
    std::chrono::steady_clock::time_point last_{};
    bool printed_ = false;
    bool ended_ = false;
};

} // namespace rendix
