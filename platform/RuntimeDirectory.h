#pragma once

#include <string>

namespace velmont {

// A private folder (mode 0700) for this process's temporary files, with a
// trailing separator: made on first call inside $XDG_RUNTIME_DIR when that
// is set and usable, else inside the system's temporary folder ($TMPDIR or
// /tmp), never beside the executable. The same folder for the rest of the
// run; it and what is left in it go when the process exits normally. The
// empty string when no folder could be made. Safe to call from any thread.
std::string PrivateRuntimeDirectory();

} // namespace velmont
