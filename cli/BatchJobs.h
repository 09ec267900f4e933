#pragma once

#include "cli/CommandLine.h"
#include "cli/ProbeAll.h"
#include "model/JobItem.h"

#include <string>
#include <vector>

namespace velmont::cli {

// The jobs for the command line's inputs, as the window would add them:
// each file probed (tags from the source), folders expanded to their media
// files in natural order (with --recursive their whole trees, each output
// keeping its file's place below the folder given), every job checked in
// the chosen format; the batch session resolves the rest. Tag options
// replace the probed tags. `count` hears how the probing goes. Throws
// UsageError for a missing input, an empty batch and --output-name with
// more than one file.
JobList BuildBatchJobs(const CommandLine& line, FormatId format, const ProbeCount& count);

} // namespace velmont::cli
