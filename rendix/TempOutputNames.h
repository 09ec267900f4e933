#pragma once

#include <string>
#include <sys/types.h>

namespace rendix {

// ".song.mp3.rendix-1234-a1B2c3.tmp": a hidden name beside the target that
// tells which process writes it. A long target name is shortened so that the
// whole name stays within a folder entry's 255 bytes.
std::string TempOutputName(const std::string& targetName, pid_t owner, const std::string& random);

// The process named in a temporary output name; 0 for any other name.
pid_t TempOutputOwner(const std::string& name);

// Removes this user's temporary outputs in folder whose process no longer
// runs (left by a killed run), and nothing else.
void SweepTempOutputs(const std::string& folder);

} // namespace rendix
