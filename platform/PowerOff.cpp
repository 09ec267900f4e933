#include "platform/PowerOff.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace velmont {

bool PowerOffComputer() {
    // Straight to systemctl, no shell in between: nothing here is quoted or
    // interpreted, and logind decides whether this user may power off.
    char program[] = "systemctl";
    char verb[] = "poweroff";
    char* argv[] = {program, verb, nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace velmont
