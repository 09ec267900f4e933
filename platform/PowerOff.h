#pragma once

namespace velmont {

// Asks systemd-logind to power the computer off (systemctl poweroff, run
// without a shell). True when the request was accepted; the machine then
// goes down shortly after.
bool PowerOffComputer();

} // namespace velmont
