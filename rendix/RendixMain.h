#pragma once

#include <string>
#include <vector>

namespace rendix {

// One encode as the command line asks, once the signal handlers are in
// place and the owner is watched: what main does, and each job a server
// forks (see JobServer).
int RunRendix(const std::vector<std::string>& args);

} // namespace rendix
