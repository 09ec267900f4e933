#pragma once

#include "model/JobItem.h"

#include <string>

namespace velmont {

// Opens the file with libavformat and fills the job's duration (whole
// seconds, kUnknownDuration when unknown), tags, stream flags and output
// name. Returns false when the file cannot be opened or read as media, and
// for anything but a regular file (a FIFO, device or folder is not opened).
// The path is a plain name: "file:x" or "pipe:0" is a file of that name.
bool ProbeMediaFile(const std::string& path, JobItem& job);

} // namespace velmont
