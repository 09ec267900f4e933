#include "cli/StartWorker.h"

#include <algorithm>
#include <thread>

namespace velmont::cli {

RunningBatch StartWorker(JobList& jobs, IConversionDialog& dialog, int simultaneous) {
    (void)simultaneous; // today's worker runs one job at a time
    RunningBatch batch;
    batch.engine = std::make_unique<ConversionEngine>();
    batch.worker = std::make_unique<ConversionWorker>(jobs, *batch.engine, dialog);
    batch.worker->Start();
    return batch;
}

int AutomaticSimultaneous() {
    return std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
}

} // namespace velmont::cli
