#include "platform/SmallFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velmont {

namespace {

bool IsSmallRegular(const struct stat& info, std::size_t maxBytes) {
    return S_ISREG(info.st_mode) && info.st_size >= 0 &&
           static_cast<std::size_t>(info.st_size) <= maxBytes;
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

} // namespace

bool ReadSmallRegularFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !IsSmallRegular(info, maxBytes))
        return false;
    // The file may have been swapped for a FIFO since: never wait for a writer.
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0 || fstat(file.get(), &info) != 0 || !IsSmallRegular(info, maxBytes))
        return false;
    char buffer[8192];
    for (;;) {
        const ssize_t count = read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes) // grew while being read
            return false;
    }
}

} // namespace velmont
