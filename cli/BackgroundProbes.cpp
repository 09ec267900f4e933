#include "cli/BackgroundProbes.h"

#include "convert/BatchPlan.h"

#include <algorithm>

namespace velmont::cli {

BackgroundProbes::BackgroundProbes(std::vector<std::size_t> jobIndices, ProbeOne probeOne,
                                   Count count)
    : jobIndices_(std::move(jobIndices)), probeOne_(std::move(probeOne)), count_(std::move(count)) {
    const std::size_t threads =
        std::min<std::size_t>(std::size_t(SimultaneousJobs(0)), jobIndices_.size());
    for (std::size_t i = 0; i < threads; ++i)
        threads_.emplace_back([this] { ProbeSome(); });
}

BackgroundProbes::~BackgroundProbes() {
    Stop();
    threads_.clear(); // joins them
}

void BackgroundProbes::ProbeSome() {
    for (std::size_t i; !stopped_ && (i = next_++) < jobIndices_.size();) {
        probeOne_(jobIndices_[i]);
        const std::lock_guard lock(countLock_);
        count_(++done_, jobIndices_.size());
    }
}

} // namespace velmont::cli
