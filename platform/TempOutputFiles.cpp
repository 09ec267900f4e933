#include "platform/TempOutputFiles.h"

#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmont {

namespace {

constexpr const char* kMark = ".rendix-";
constexpr const char* kSuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;
constexpr std::size_t kMaxName = 255;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string RandomPart() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string text(kRandomLength, ' ');
    for (char& c : text)
        c = kChars[pick(generator)];
    return text;
}

// fd still is the file named name in dir: a sweep may have removed it
// between its creation and its lock.
bool StillNamed(int dir, const std::string& name, int fd) {
    struct stat byName {
    }, byFd{};
    return ::fstatat(dir, name.c_str(), &byName, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(fd, &byFd) == 0 && byName.st_dev == byFd.st_dev && byName.st_ino == byFd.st_ino;
}

// A plain file of ours that nobody holds locked; the lock taken stays with
// fd until it is closed.
bool Ownerless(int dir, const std::string& name, int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
           ::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(dir, name, fd);
}

} // namespace

std::string TempOutputName(const std::string& targetName, pid_t owner, const std::string& random) {
    const std::string tail = kMark + std::to_string(owner) + "-" + random + kSuffix;
    std::string name = targetName.substr(0, kMaxName - 1 - tail.size());
    return "." + name + tail;
}

pid_t TempOutputOwner(const std::string& name) {
    const std::size_t mark = name.rfind(kMark);
    if (name.empty() || name[0] != '.' || mark == std::string::npos || !EndsWith(name, kSuffix))
        return 0;
    const std::size_t digits = mark + std::char_traits<char>::length(kMark);
    const std::size_t dash = name.find('-', digits);
    const std::size_t suffix = name.size() - std::char_traits<char>::length(kSuffix);
    if (dash == std::string::npos || dash == digits || dash > 20 + digits ||
        suffix != dash + 1 + kRandomLength)
        return 0;
    for (std::size_t i = digits; i < suffix; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (i < dash ? !std::isdigit(c) : i > dash && !std::isalnum(c))
            return 0;
    }
    long long pid = std::stoll(name.substr(digits, dash - digits));
    return pid > 0 && pid <= 0x7fffffff ? static_cast<pid_t>(pid) : 0;
}

int CreateLockedTempOutput(const std::string& folder, const std::string& targetName,
                           std::string& path) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return -1;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const std::string name = TempOutputName(targetName, ::getpid(), RandomPart());
        // Our own new file: never an existing one, never through a link.
        fd = ::openat(dir, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
        if (fd >= 0 && (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !StillNamed(dir, name, fd))) {
            ::close(fd); // a sweep took it before we locked it
            fd = -1;
            errno = EEXIST;
        }
        if (fd >= 0)
            path = folder + "/" + name;
    }
    const int failure = errno;
    ::close(dir);
    errno = failure;
    return fd;
}

void SweepTempOutputs(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (TempOutputOwner(name) == 0)
            continue;
        const int fd = ::openat(::dirfd(dir), name.c_str(),
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (Ownerless(::dirfd(dir), name, fd))
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace velmont
