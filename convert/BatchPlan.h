#pragma once

#include "model/JobItem.h"

#include <vector>

namespace velmont {

// How many jobs run at once for the setting (0 = automatic: one per core,
// at most kMaxSimultaneousConversions).
int SimultaneousJobs(int setting);

// A job that must run alone when the count is automatic: its encoder
// already uses every core (video) or it reads its source twice (two-pass).
bool RunsAlone(const JobItem& job);

} // namespace velmont
