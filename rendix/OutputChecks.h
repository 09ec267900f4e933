#pragma once

#include <string>

namespace rendix {

// True when both names lead to the same existing file (same path, a hard
// link, a symbolic link, another spelling of the path).
bool IsSameFile(const std::string& a, const std::string& b);

// True for any entry of that name, a dangling link included.
bool FileExists(const std::string& path);

// True when the name leads to a folder.
bool IsFolder(const std::string& path);

} // namespace rendix
