#pragma once

#include "convert/ConversionWorker.h"

#include <memory>

namespace velmont::cli {

// --jobs auto: one job per core, and video or two-pass jobs alone.
inline constexpr int kAutomatic = 0;

// Starts the batch with `simultaneous` jobs at once (kAutomatic: as the
// window's "Automatic"), each with an engine of its own beside this program.
std::unique_ptr<ConversionWorker> StartWorker(JobList& jobs, IConversionDialog& dialog,
                                              int simultaneous);

} // namespace velmont::cli
