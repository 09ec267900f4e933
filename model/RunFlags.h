#pragma once

#include <atomic>

namespace velmont {

// Set by the configuration dialog, read when a batch ends; never stored.
extern std::atomic<bool> ShutdownAfterConversion;

} // namespace velmont
