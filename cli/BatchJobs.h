#pragma once

#include "cli/CommandLine.h"
#include "model/JobItem.h"

#include <string>
#include <vector>

namespace velmont::cli {

// The jobs for the command line's inputs, as the window would add them,
// not yet probed: folders expanded to their media files in natural order
// (with --recursive their whole trees, each output keeping its file's
// place below the folder given), every job checked in the chosen format;
// the batch session resolves the rest. Throws UsageError for a missing
// input, an empty batch, --output-name with more than one file and a tag
// option that is no number.
JobList BuildBatchJobs(const CommandLine& line, FormatId format);

// Probes the job's source (tags, streams, duration), keeping its output
// name; the tag options replace the probed tags.
void ProbeBatchJob(const CommandLine& line, JobItem& job);

} // namespace velmont::cli
