#pragma once

#include "ui/widgets/Desktop.h"

#include <string>
#include <vector>

namespace velmont {

// The open-file dialog's type entries, "All Media Files" first and
// "All Files" last.
const std::vector<FileFilter>& MediaFileFilters();

} // namespace velmont
