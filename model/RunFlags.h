#pragma once

#include <atomic>

namespace velmont {

// Set by the configuration dialog, read when a batch ends; never stored.
extern std::atomic<bool> ShutdownAfterConversion;

// How many jobs a batch runs at once: 0 = automatic, else 1..8. Set by the
// configuration dialog, read when a batch starts; never stored.
extern std::atomic<int> SimultaneousConversions;
inline constexpr int kMaxSimultaneousConversions = 8;

// Whether outputs of files added from a folder tree keep their place in it
// below the output folder. Set by the configuration dialog, read when a
// batch starts; never stored.
extern std::atomic<bool> KeepFolderStructure;

} // namespace velmont
