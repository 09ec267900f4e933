#pragma once

#include "model/JobItem.h"

#include <string>

namespace velmont {

// The audio options of the encoder's command line: nothing for a source
// without audio, " -an" when audio is switched off, else rate, channels,
// volume and codec.
std::string BuildAudioOptions(const JobItem& job);

// The video options: nothing for a source without video, " -vn" when video
// is switched off, else each option whose value is set.
std::string BuildVideoOptions(const JobItem& job);

// The encoder's arguments for the job, empty when it has no input path.
// Gives the job's output directory its trailing separator.
std::string BuildArguments(JobItem& job);

// Output directory + output name + the format's extension; empty when the
// format is unknown.
std::string OutputPath(const JobItem& job);

// The quoted encoder path, a blank and the arguments.
std::string BuildCommandLine(const std::string& encoderPath, const std::string& arguments);

} // namespace velmont
