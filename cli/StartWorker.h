#pragma once

#include "convert/ConversionEngine.h"
#include "convert/ConversionWorker.h"

#include <memory>

namespace velmont::cli {

// The worker and what it runs jobs with; the worker goes first.
struct RunningBatch {
    std::unique_ptr<ConversionEngine> engine;
    std::unique_ptr<ConversionWorker> worker;
};

// The one place the worker is made, so a worker running several jobs at
// once needs a change here only.
RunningBatch StartWorker(JobList& jobs, IConversionDialog& dialog, int simultaneous);

// The default --jobs: the number of cores, at most 8.
int AutomaticSimultaneous();

} // namespace velmont::cli
