#pragma once

#include "model/JobItem.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace velmont {

// Probes added files one after the other on a thread of its own, so a long
// list never holds up the thread that adds them.
//
// Threads: Enqueue, Cancel and the destructor are called on the owner's
// thread; the probe and the delivery run on the prober's thread, in the
// order the jobs were enqueued. The delivery must not wait for the owner's
// thread: it posts the job and returns. The destructor drops what is still
// queued and waits for the probe under way, so no delivery follows it.
class BackgroundProber {
  public:
    // Fills the job from the file at its input path (ProbeMediaFile).
    using Probe = std::function<bool(const std::string& path, JobItem& job)>;
    // One probed job, tagged with the generation it was enqueued in.
    using Delivery = std::function<void(std::uint64_t generation, JobItem job)>;

    BackgroundProber(Probe probe, Delivery deliver);
    ~BackgroundProber();
    BackgroundProber(const BackgroundProber&) = delete;
    BackgroundProber& operator=(const BackgroundProber&) = delete;

    // Queues jobs whose input path is set; returns the generation their
    // deliveries carry.
    std::uint64_t Enqueue(std::deque<JobItem> jobs);
    // Drops the queued jobs and starts a new generation: a delivery of an
    // older one (the probe that was under way) is stale.
    std::uint64_t Cancel();

  private:
    void Run();
    bool TakeNext(JobItem& job, std::uint64_t& generation);

    Probe probe_;
    Delivery deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<JobItem> queue_;
    std::uint64_t generation_ = 0;
    bool stopping_ = false;
    std::thread thread_; // last: starts once the members above exist
};

} // namespace velmont
