#pragma once

#include <atomic>

namespace velmont {

// Set by the configuration dialog, read when a batch ends; never stored.
extern std::atomic<bool> ShutdownAfterConversion;

// The most jobs a batch runs at once.
inline constexpr int kMaxSimultaneousConversions = 8;

} // namespace velmont
