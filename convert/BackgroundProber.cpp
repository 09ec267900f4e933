#include "convert/BackgroundProber.h"

#include <utility>

namespace velmont {

BackgroundProber::BackgroundProber(Probe probe, Delivery deliver)
    : probe_(std::move(probe)), deliver_(std::move(deliver)), thread_([this] { Run(); }) {}

BackgroundProber::~BackgroundProber() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_one();
    thread_.join();
}

std::uint64_t BackgroundProber::Enqueue(std::deque<JobItem> jobs) {
    std::uint64_t generation = 0;
    {
        std::lock_guard lock(mutex_);
        for (JobItem& job : jobs)
            queue_.push_back(std::move(job));
        generation = generation_;
    }
    wake_.notify_one();
    return generation;
}

std::uint64_t BackgroundProber::Cancel() {
    std::lock_guard lock(mutex_);
    queue_.clear();
    return ++generation_;
}

bool BackgroundProber::TakeNext(JobItem& job, std::uint64_t& generation) {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_)
        return false;
    job = std::move(queue_.front());
    queue_.pop_front();
    generation = generation_;
    return true;
}

void BackgroundProber::Run() {
    JobItem job;
    std::uint64_t generation = 0;
    while (TakeNext(job, generation)) {
        probe_(job.inputPath, job);
        deliver_(generation, std::move(job));
    }
}

} // namespace velmont
