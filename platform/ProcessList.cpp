#include "platform/ProcessList.h"

#include <cctype>
#include <dirent.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace velmont {

namespace {

bool IsProcessId(std::string_view name) {
    if (name.empty())
        return false;
    for (char c : name) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

std::vector<int> FindProcessesByExecutable(const std::string& executablePath) {
    std::vector<int> found;
    struct stat target {};
    if (executablePath.empty() || stat(executablePath.c_str(), &target) != 0)
        return found;

    DIR* proc = opendir("/proc");
    if (!proc)
        return found;
    const uid_t user = geteuid();
    const int self = static_cast<int>(getpid());
    while (const dirent* entry = readdir(proc)) {
        if (!IsProcessId(entry->d_name))
            continue;
        const std::string directory = std::string("/proc/") + entry->d_name;
        struct stat owner {};
        if (stat(directory.c_str(), &owner) != 0 || owner.st_uid != user)
            continue;
        // Following the exe link reaches the very file the process runs,
        // even when it was started through another path or link.
        struct stat executable {};
        if (stat((directory + "/exe").c_str(), &executable) != 0)
            continue;
        if (executable.st_dev != target.st_dev || executable.st_ino != target.st_ino)
            continue;
        const int pid = std::stoi(entry->d_name);
        if (pid != self)
            found.push_back(pid);
    }
    closedir(proc);
    return found;
}

} // namespace velmont
