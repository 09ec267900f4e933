// Preloaded into an encoder (LD_PRELOAD) to stage the faults users meet:
//   FAULT_FREEZE_AFTER_RENAME=PATH  after a successful rename, create PATH
//                                   and stop the process (SIGSTOP), as if
//                                   frozen right after its output was put
//                                   in place
//   FAULT_READ_FILE=NAME            reads of the file whose name ends in
//   FAULT_READ_FAIL_AFTER=BYTES     NAME fail with EIO once BYTES were read,
//                                   as on a bad disk or a dropped share
//   FAULT_PLANT_AT=NAME             just before a rename onto a path ending
//                                   in NAME, a file holding "planted" appears
//                                   there, as if another program wrote it
//                                   while the encoder ran
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

template <typename F> F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

void FreezeIfAsked(int result) {
    const char* marker = std::getenv("FAULT_FREEZE_AFTER_RENAME");
    if (result != 0 || !marker)
        return;
    ::close(::open(marker, O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    ::raise(SIGSTOP);
}

bool EndsWith(const char* text, const char* end) {
    const std::size_t length = std::strlen(text);
    const std::size_t endLength = std::strlen(end);
    return length >= endLength && std::memcmp(text + length - endLength, end, endLength) == 0;
}

void PlantIfAsked(const char* to) {
    const char* name = std::getenv("FAULT_PLANT_AT");
    if (!name || !EndsWith(to, name))
        return;
    const int fd = ::open(to, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    (void)!::write(fd, "planted", 7);
    ::close(fd);
}

bool IsFaultyFile(int fd) {
    const char* name = std::getenv("FAULT_READ_FILE");
    if (!name)
        return false;
    char link[64], path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    const std::size_t length = std::strlen(name);
    return n >= static_cast<ssize_t>(length) && std::memcmp(path + n - length, name, length) == 0;
}

long long gBytesRead = 0;

} // namespace

extern "C" {

int rename(const char* from, const char* to) {
    PlantIfAsked(to);
    const int result = Next<int (*)(const char*, const char*)>("rename")(from, to);
    FreezeIfAsked(result);
    return result;
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    PlantIfAsked(to);
    const int result = Next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(
        fromDir, from, toDir, to, flags);
    FreezeIfAsked(result);
    return result;
}

ssize_t read(int fd, void* buffer, size_t size) {
    const ssize_t n = Next<ssize_t (*)(int, void*, size_t)>("read")(fd, buffer, size);
    if (n <= 0 || !IsFaultyFile(fd))
        return n;
    gBytesRead += n;
    const char* limit = std::getenv("FAULT_READ_FAIL_AFTER");
    if (gBytesRead <= std::atoll(limit ? limit : "0"))
        return n;
    errno = EIO;
    return -1;
}
}
