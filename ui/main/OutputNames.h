#pragma once

#include <string>

namespace velmont {

// The part of a path after its last separator (the whole path without one).
std::string FileNameOfPath(const std::string& path);

// The name before its last dot; the whole name when it has no dot.
std::string WithoutLastExtension(const std::string& fileName);

// An output name as the user typed it, made safe to use: cut before the
// first dot, path separators turned into '_' so the output stays inside the
// output folder. Empty when nothing usable is left.
std::string CleanTypedOutputName(const std::string& typed);

} // namespace velmont
