#pragma once

#include <string>

struct AVIOContext;

namespace rendix {

// libavformat reads and writes through a descriptor this program opened
// itself, so no protocol ever interprets a path ("file:x", "pipe:1" are
// names) and the file used is the very one that was checked or created.
class FdIo {
  public:
    enum class Mode { Read, Write };
    // Takes ownership of fd.
    FdIo(int fd, Mode mode);
    ~FdIo();
    FdIo(const FdIo&) = delete;
    FdIo& operator=(const FdIo&) = delete;

    AVIOContext* context() const { return io_; }

    // Writes out what is buffered, syncs and closes the file; false with
    // error when any of it did not reach the disk.
    bool Close(std::string& error);

  private:
    int fd_;
    AVIOContext* io_ = nullptr;
};

} // namespace rendix
