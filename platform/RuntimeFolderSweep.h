#pragma once

#include <string>

namespace velmont {

// Marks a runtime folder as in use for as long as this process lives: a
// lock file inside it stays locked until the process ends, however it ends.
// The descriptor is deliberately kept open for the rest of the run.
void MarkRuntimeFolderInUse(const std::string& folder);

// Removes the converter's runtime folders ("velmont-converter-XXXXXX") in
// `base` whose owner has ended: a lock, not a process id, decides, so a
// converter in another pid namespace sharing the folder keeps its own.
// Folders without a lock file (or not ours, or links) are left alone.
void SweepAbandonedRuntimeFolders(const std::string& base);

} // namespace velmont
