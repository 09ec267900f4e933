#pragma once

#include <sys/types.h>

namespace rendix {

// Started by the converter (which names itself in VELMONT_ENCODER_OWNER as
// "pid:start"), Rendix ends with it: it is sent SIGTERM when its owner dies,
// so a crashed converter leaves no encoder writing behind. false: the owner
// had already gone before the watch was set.
bool WatchOwner();
// The same for a job forked by a server: it follows the server, which is
// its parent.
bool WatchParent(pid_t parent);

} // namespace rendix
