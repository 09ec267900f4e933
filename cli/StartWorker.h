#pragma once

#include "convert/BatchSession.h"

namespace velmont::cli {

// --jobs auto: one job per core, and video or two-pass jobs alone.
inline constexpr int kAutomatic = 0;

// Starts the prepared session, each running job with an engine of its own
// beside this program.
void StartWorker(BatchSession& session, IConversionDialog& dialog);

} // namespace velmont::cli
