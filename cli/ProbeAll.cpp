#include "cli/ProbeAll.h"

#include "convert/BatchPlan.h"
#include "convert/ProbeMediaFile.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace velmont::cli {

void ProbeAll(std::vector<JobItem>& jobs, const ProbeCount& count) {
    std::atomic<std::size_t> next{0};
    std::size_t done = 0;
    std::mutex countLock;
    auto probeSome = [&] {
        for (std::size_t i; (i = next++) < jobs.size();) {
            ProbeMediaFile(jobs[i].inputPath, jobs[i]);
            const std::lock_guard lock(countLock);
            count(++done, jobs.size());
        }
    };
    const std::size_t threads =
        std::min<std::size_t>(std::size_t(SimultaneousJobs(0)), jobs.size());
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < threads; ++i)
        helpers.emplace_back(probeSome);
    probeSome();
}

} // namespace velmont::cli
