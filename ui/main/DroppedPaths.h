#pragma once

#include <string>
#include <vector>

namespace velmont {

// The files to add for paths dropped onto the window, in the order dropped:
// a file stands for itself, whatever its type; a folder stands for the media
// files directly inside it, in natural name order ("track2" before
// "track10"), hidden files left out. Anything else is skipped.
std::vector<std::string> FilesForDroppedPaths(const std::vector<std::string>& paths);

// Natural order of two file names: digit runs compare by value, other
// characters without regard to case.
bool NaturalNameLess(const std::string& a, const std::string& b);

} // namespace velmont
