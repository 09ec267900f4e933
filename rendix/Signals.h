#pragma once

namespace rendix {

// SIGINT/SIGTERM ask the encode to stop (the file is closed properly and
// the temporary folder removed); a second one ends the process at once.
// SIGPIPE is ignored so a vanished reader does not kill the encode.
void InstallSignalHandlers();
bool StopRequested();

} // namespace rendix
