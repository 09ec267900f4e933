#include "platform/RuntimeFolderSweep.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace velmont {

namespace {

constexpr std::string_view kFolderPrefix = "velmont-converter-";
constexpr const char* kLockName = ".in-use";
constexpr const char* kLockBeingMade = ".in-use-new";

bool IsOwnRealFolder(int baseFd, const char* name) {
    struct stat info {};
    return fstatat(baseFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == geteuid();
}

// True when the folder's lock file exists and nobody holds its lock.
bool IsAbandoned(int baseFd, const char* name) {
    const int folderFd = openat(baseFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0)
        return false;
    const int lockFd = openat(folderFd, kLockName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    close(folderFd);
    if (lockFd < 0)
        return false;
    const bool free = flock(lockFd, LOCK_EX | LOCK_NB) == 0;
    close(lockFd);
    return free;
}

} // namespace

void MarkRuntimeFolderInUse(const std::string& folder) {
    // Locked under another name first and renamed after, so a sweep never
    // sees the lock file before its lock is held.
    const std::string making = folder + kLockBeingMade;
    const int fd = open(making.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (flock(fd, LOCK_EX) != 0 || std::rename(making.c_str(), (folder + kLockName).c_str()) != 0) {
        unlink(making.c_str());
        close(fd);
    }
}

void SweepAbandonedRuntimeFolders(const std::string& base) {
    DIR* dir = opendir(base.c_str());
    if (!dir)
        return;
    const int baseFd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, kFolderPrefix.size()) != kFolderPrefix ||
            !IsOwnRealFolder(baseFd, entry->d_name) || !IsAbandoned(baseFd, entry->d_name))
            continue;
        std::error_code ignored; // links inside are removed, never followed
        std::filesystem::remove_all(std::filesystem::path(base) / name, ignored);
    }
    closedir(dir);
}

} // namespace velmont
