#pragma once

#include "cli/CommandLine.h"
#include "model/EncodingParams.h"
#include "model/FormatId.h"

#include <string>

namespace velmont::cli {

// The format named on the command line; throws UsageError listing the names.
FormatId FormatByName(const std::string& name);

// Writes the encoding options given on the command line over the fields of
// the format's record (loaded with its defaults and settings files first).
// Values are checked against the lists the configuration pages offer; a
// value outside them throws UsageError listing the allowed ones.
void ApplyEncodingOptions(const CommandLine& line, FormatId format, EncodingParams& record);

} // namespace velmont::cli
