#pragma once

#include "ui/widgets/Desktop.h"

#include <string>
#include <vector>

namespace velmont {

// The open-file dialog's type entries, "All Media Files" first and
// "All Files" last.
const std::vector<FileFilter>& MediaFileFilters();

// Whether a file name matches a pattern of "All Media Files", ignoring case.
bool IsMediaFileName(const std::string& fileName);

} // namespace velmont
