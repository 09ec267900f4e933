#pragma once

#include "model/JobItem.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace velmont::cli {

// Called after each probe with how many are done, one call at a time.
using ProbeCount = std::function<void(std::size_t done, std::size_t total)>;

// Probes every job's input (ProbeMediaFile) on one thread per core: each
// file has a libavformat context of its own, and a thousand files take
// seconds one after the other. Returns when all are done.
void ProbeAll(std::vector<JobItem>& jobs, const ProbeCount& count);

} // namespace velmont::cli
