#pragma once

#include <string>
#include <sys/types.h>

namespace velmont {

// ".song.mp3.rendix-1234-a1B2c3.tmp": a hidden name beside the target that
// tells a person which process writes it. A long target name is shortened
// so that the whole name stays within a folder entry's 255 bytes.
std::string TempOutputName(const std::string& targetName, pid_t owner, const std::string& random);

// The process named in a temporary output name; 0 for any other name.
pid_t TempOutputOwner(const std::string& name);

// Creates a new temporary output in folder for targetName and locks it for
// as long as the returned descriptor (or a duplicate) stays open: the lock,
// not the pid in the name, tells a sweep that its writer lives, which holds
// across pid namespaces. Returns -1 with errno set on failure; path gets the
// file's path.
int CreateLockedTempOutput(const std::string& folder, const std::string& targetName,
                           std::string& path);

// Removes this user's temporary outputs in folder that no process holds
// locked (left by a killed run), and nothing else.
void SweepTempOutputs(const std::string& folder);

} // namespace velmont
