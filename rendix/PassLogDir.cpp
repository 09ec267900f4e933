#include "rendix/PassLogDir.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace rendix {

namespace {

constexpr const char* kPrefix = "rendix-pass-";

// Fixed buffers so the signal handler can use them.
char gDir[4096] = {};
volatile std::sig_atomic_t gDirSet = 0;

std::string TempRoot() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

// Folders of Rendix processes that no longer run.
void SweepStale(const std::string& root) {
    DIR* dir = ::opendir(root.c_str());
    if (!dir)
        return;
    const std::size_t prefixLength = std::strlen(kPrefix);
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name.compare(0, prefixLength, kPrefix) != 0)
            continue;
        long pid = std::strtol(name.c_str() + prefixLength, nullptr, 10);
        if (pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM)
            continue;
        std::string path = root + "/" + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
            RemoveFolder(path);
    }
    ::closedir(dir);
}

} // namespace

void RemoveFolder(const std::string& path) {
    DIR* dir = ::opendir(path.c_str());
    if (dir) {
        while (dirent* entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            ::unlink((path + "/" + name).c_str());
        }
        ::closedir(dir);
    }
    ::rmdir(path.c_str());
}

void RemovePassLogDirFromSignal() {
    if (!gDirSet)
        return;
    DIR* dir = ::opendir(gDir); // not strictly signal-safe, but the process ends anyway
    if (dir) {
        char file[4352];
        while (dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::size_t n = std::strlen(gDir);
            std::memcpy(file, gDir, n);
            file[n] = '/';
            std::strncpy(file + n + 1, entry->d_name, sizeof file - n - 2);
            file[sizeof file - 1] = '\0';
            ::unlink(file);
        }
        ::closedir(dir);
    }
    ::rmdir(gDir);
}

PassLogDir::~PassLogDir() {
    if (path_.empty())
        return;
    gDirSet = 0;
    RemoveFolder(path_);
}

bool PassLogDir::Create(std::string& error) {
    std::string root = TempRoot();
    SweepStale(root);
    std::string pattern = root + "/" + kPrefix + std::to_string(::getpid()) + "-XXXXXX";
    if (pattern.size() >= sizeof gDir) {
        error = "temporary folder path too long";
        return false;
    }
    std::string buffer = pattern;
    if (!::mkdtemp(buffer.data())) {
        error = "cannot create a temporary folder in " + root + ": " + std::strerror(errno);
        return false;
    }
    path_ = buffer;
    std::memcpy(gDir, path_.c_str(), path_.size() + 1);
    gDirSet = 1;
    return true;
}

} // namespace rendix
