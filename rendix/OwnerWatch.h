#pragma once

namespace rendix {

// Started by the converter (which names itself in VELMONT_ENCODER_OWNER as
// "pid:start"), Rendix ends with it: it is sent SIGTERM when its owner dies,
// so a crashed converter leaves no encoder writing behind. false: the owner
// had already gone before the watch was set.
bool WatchOwner();

} // namespace rendix
