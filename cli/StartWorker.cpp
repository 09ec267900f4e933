#include "cli/StartWorker.h"

#include "convert/BatchPlan.h"
#include "convert/ConversionEngine.h"

namespace velmont::cli {

std::unique_ptr<ConversionWorker> StartWorker(JobList& jobs, IConversionDialog& dialog,
                                              int simultaneous) {
    const bool automatic = simultaneous == kAutomatic;
    auto worker = std::make_unique<ConversionWorker>(
        jobs, [] { return std::make_unique<ConversionEngine>(); }, dialog,
        automatic ? SimultaneousJobs(0) : simultaneous, automatic);
    worker->Start();
    return worker;
}

} // namespace velmont::cli
