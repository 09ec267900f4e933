#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace velmont::cli {

// Probes the batch's inputs beside the running batch, one thread per core
// (each file has a libavformat context of its own, and a thousand files
// take seconds one after the other), taking them in list order so the
// first jobs can start soonest.
class BackgroundProbes {
  public:
    using ProbeOne = std::function<void(std::size_t jobIndex)>;
    // Called after each probe with how many are done, one call at a time.
    using Count = std::function<void(std::size_t done, std::size_t total)>;

    // Calls probeOne for each of `jobIndices` on its threads.
    BackgroundProbes(std::vector<std::size_t> jobIndices, ProbeOne probeOne, Count count);
    // Stops and waits for the probes under way.
    ~BackgroundProbes();
    BackgroundProbes(const BackgroundProbes&) = delete;
    BackgroundProbes& operator=(const BackgroundProbes&) = delete;

    // Starts no further probe.
    void Stop() { stopped_ = true; }

  private:
    void ProbeSome();

    const std::vector<std::size_t> jobIndices_;
    const ProbeOne probeOne_;
    const Count count_;
    std::atomic<std::size_t> next_{0};
    std::atomic<bool> stopped_{false};
    std::size_t done_ = 0;
    std::mutex countLock_;
    std::vector<std::jthread> threads_; // last: they end before the rest goes
};

} // namespace velmont::cli
