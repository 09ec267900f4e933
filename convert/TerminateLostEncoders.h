#pragma once

#include <string>

namespace velmont {

// Kills (SIGKILL) the encoders this program started and lost: processes of
// this user running exactly the file at path whose owner (the converter that
// marked them) has ended. Another window's encoders and encoders a person
// runs by hand are never touched. Returns how many were signalled.
int TerminateLostEncoders(const std::string& path);

} // namespace velmont
