#pragma once

#include "cli/CommandLine.h"
#include "model/EncodingParams.h"
#include "model/FormatId.h"
#include "model/JobItem.h"

#include <string>

namespace velmont::cli {

// The format named on the command line; throws UsageError listing the names.
FormatId FormatByName(const std::string& name);

// Rates, counts and bit rates given as numbers. The command line takes any
// value the encoder takes, not only the pages' lists, so these bypass the
// record's list positions; 0 = not given.
struct ExactValues {
    int audioBitrate = 0; // bit/s
    int sampleRate = 0;   // Hz
    int channels = 0;
    int videoBitrate = 0; // bit/s
    int minRate = 0;      // bit/s
    int maxRate = 0;      // bit/s
    double frameRate = 0;
};

// Writes the encoding options given on the command line over the fields of
// the format's record (loaded with its defaults and settings files first)
// and returns the exact values. A value the encoder cannot take throws
// UsageError naming what it takes.
ExactValues ApplyEncodingOptions(const CommandLine& line, FormatId format, EncodingParams& record);

// Puts the exact values over what the job resolved from its record.
void ApplyExactValues(const ExactValues& values, JobItem& job);

} // namespace velmont::cli
