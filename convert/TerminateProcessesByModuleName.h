#pragma once

#include <string>

namespace velmont {

// Kills (SIGKILL) every process of this user whose executable is exactly
// the file at path; an empty path does nothing. Returns how many were
// signalled.
int TerminateProcessesByModuleName(const std::string& path);

} // namespace velmont
