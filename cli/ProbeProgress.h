#pragma once

#include <chrono>
#include <cstddef>

namespace velmont::cli {

// "Probing 350 of 1000 files" on a terminal's standard error while the
// inputs are probed, redrawn in place at most ten times a second and erased
// when the object goes. Shows nothing when not `shown`.
class ProbeProgress {
  public:
    explicit ProbeProgress(bool shown) : shown_(shown) {}
    ~ProbeProgress();
    ProbeProgress(const ProbeProgress&) = delete;
    ProbeProgress& operator=(const ProbeProgress&) = delete;

    void Count(std::size_t done, std::size_t total);

  private:
    bool shown_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point lastDrawn_{};
};

} // namespace velmont::cli
