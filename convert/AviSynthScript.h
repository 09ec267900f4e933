#pragma once

#include "model/FormatId.h"

#include <string>

namespace velmont {

inline constexpr const char* kAviSynthScriptName = "templateFile.avs";

// The script that opens the input through DirectShow, CR LF line ends. Audio
// formats and a frame rate of 0 keep the source rate; otherwise the script
// converts to the job's frame rate.
std::string FormatAviSynthScript(const std::string& inputPath, FormatId formatId, double frameRate);

// Creates or truncates the file and writes the text; false on any failure.
bool WriteTextFile(const std::string& path, const std::string& text);

} // namespace velmont
