#pragma once

#include <spawn.h>
#include <string>
#include <vector>

namespace velmont {

// posix_spawn's file actions and attributes, set up for a child that leads
// a process group of its own, with no signal blocked and the signals a
// converter may handle back at their defaults.
class SpawnSetup {
  public:
    SpawnSetup();
    ~SpawnSetup();
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

// The strings' pointers, closed by a null pointer, as exec takes them. The
// strings must outlive the result.
std::vector<char*> PointersTo(std::vector<std::string>& strings);
// extra ("NAME=value" entries) followed by this process's environment.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra);

} // namespace velmont
