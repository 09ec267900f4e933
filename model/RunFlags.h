#pragma once

#include <atomic>

namespace velmont {

// Set by the configuration dialog, read when a batch ends; never stored.
extern std::atomic<bool> ShutdownAfterConversion;

// How many jobs a batch runs at once: 0 = automatic, else 1..8. Set by the
// configuration dialog, read when a batch starts; never stored.
extern std::atomic<int> SimultaneousConversions;
inline constexpr int kMaxSimultaneousConversions = 8;

} // namespace velmont
