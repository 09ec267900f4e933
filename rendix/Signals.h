#pragma once

namespace rendix {

// SIGINT, SIGTERM and SIGHUP ask the encode to stop (the temporary output
// and folder are removed, the target left as it was); a second one ends the
// process at once after removing them.
// SIGTSTP pauses the encode and SIGCONT resumes it. The pause is our own, not
// the kernel's stop: a paused encoder still hears a stop, and so the end of
// the converter that started it (see OwnerWatch), and cleans up.
// SIGPIPE is ignored so a vanished reader does not kill the encode.
void InstallSignalHandlers();
bool StopRequested();
// Returns at once unless a pause was asked for; then sleeps, without CPU,
// until a resume or a stop.
void WaitWhilePaused();

} // namespace rendix
