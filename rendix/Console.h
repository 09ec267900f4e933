#pragma once

#include <string>

namespace rendix {

// All of Rendix's text goes to standard output through here, each call one
// write(2) (repeated only if the pipe takes less), so that what belongs
// together reaches a pipe reader together.
void WriteOut(const std::string& text);

// Routes libav* log messages to standard output (warnings and errors), or
// into a capture buffer while one is active.
void InstallLibraryLog();
void BeginLogCapture();
std::string EndLogCapture();

} // namespace rendix
