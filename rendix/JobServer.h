#pragma once

namespace rendix {

// Started by the converter with the variable of
// platform/ForkServerProtocol.h set and its room for command lines, Rendix serves jobs instead of
// encoding: it loads its libraries once and forks a child for each job,
// which runs the job exactly as a fresh Rendix would and ends. The server
// stays single-threaded (it only forks), ends when the converter closes the
// connection or its owner ends, and its jobs end with it (they follow it
// as a fresh Rendix follows its owner, and clean up after themselves).
bool ServeRequested(int argc);
// Returns the server's exit code.
int ServeJobs(char** argv);

} // namespace rendix
