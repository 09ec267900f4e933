#pragma once

#include <cstddef>
#include <string>

namespace velmont {

// Settings files are small; anything larger is not one of ours.
inline constexpr std::size_t kMaxSettingsFileBytes = 1024 * 1024;

// Reads a regular file of at most maxBytes into `bytes`. Anything else (a
// folder, a FIFO, a device, a larger file) is refused without blocking:
// the file is checked before it is opened, opened without waiting for a
// writer, and checked again once open.
bool ReadSmallRegularFile(const std::string& path, std::string& bytes,
                          std::size_t maxBytes = kMaxSettingsFileBytes);

} // namespace velmont
