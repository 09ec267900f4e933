#pragma once

#include <string>
#include <vector>

namespace velmont {

// Process ids of this user's processes (other than this one) whose running
// executable is exactly the given file (the same file on disk, not a name
// that merely looks alike). Empty when the file does not exist.
std::vector<int> FindProcessesByExecutable(const std::string& executablePath);

} // namespace velmont
