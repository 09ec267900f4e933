#include "convert/BatchPlan.h"

#include "model/Catalogue.h"
#include "model/RunFlags.h"

#include <algorithm>
#include <thread>

namespace velmont {

int SimultaneousJobs(int setting) {
    if (setting > 0)
        return std::min(setting, kMaxSimultaneousConversions);
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(cores, 1, kMaxSimultaneousConversions);
}

bool RunsAlone(const JobItem& job) {
    const bool encodesVideo = IsVideoFormat(job.formatId) && job.hasVideo && job.video.enabled;
    return encodesVideo || job.video.pass == 2;
}

} // namespace velmont
