#pragma once

#include "model/JobItem.h"

#include <string>
#include <vector>

namespace velmont {

// The encoder's arguments are handed to it one by one, never through a
// shell or a command line that is split again, so no tag or path can add
// an option.

// The audio options: nothing for a source without audio, -an when audio is
// switched off, else rate, channels, volume and codec.
std::vector<std::string> BuildAudioOptions(const JobItem& job);

// The video options: nothing for a source without video, -vn when video is
// switched off, else each option whose value is set.
std::vector<std::string> BuildVideoOptions(const JobItem& job);

// The encoder's arguments for the job, empty when it has no input path.
// Gives the job's output directory its trailing separator.
std::vector<std::string> BuildArguments(JobItem& job);

// The folder the job's output goes to, with a trailing separator (unless
// empty): the output directory, and below it the job's tree folder when the
// job keeps it.
std::string OutputFolder(const JobItem& job);

// OutputFolder + output name + the format's extension; empty when the
// format is unknown.
std::string OutputPath(const JobItem& job);

// The arguments as one line a person can read or paste into a shell:
// arguments with blanks or shell characters in single quotes.
std::string FormatCommandLine(const std::vector<std::string>& arguments);

} // namespace velmont
