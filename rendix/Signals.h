#pragma once

namespace rendix {

// SIGINT/SIGTERM ask the encode to stop (the temporary output and folder are
// removed, the target left as it was); a second one ends the process at once
// after removing them.
// SIGPIPE is ignored so a vanished reader does not kill the encode.
void InstallSignalHandlers();
bool StopRequested();

} // namespace rendix
