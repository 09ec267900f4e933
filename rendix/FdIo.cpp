#include "rendix/FdIo.h"

#include "rendix/InputMedia.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/mem.h>
}

namespace rendix {

namespace {

constexpr int kBufferSize = 32768;

int Descriptor(void* opaque) {
    return *static_cast<int*>(opaque);
}

int ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
    ssize_t n;
    do
        n = ::read(Descriptor(opaque), buffer, static_cast<std::size_t>(size));
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return AVERROR(errno);
    return n == 0 ? AVERROR_EOF : static_cast<int>(n);
}

int WritePacket(void* opaque, std::uint8_t* buffer, int size) {
    for (int done = 0; done < size;) {
        ssize_t n =
            ::write(Descriptor(opaque), buffer + done, static_cast<std::size_t>(size - done));
        if (n < 0 && errno != EINTR)
            return AVERROR(errno);
        done += n > 0 ? static_cast<int>(n) : 0;
    }
    return size;
}

std::int64_t Seek(void* opaque, std::int64_t offset, int whence) {
    if (whence == AVSEEK_SIZE) {
        struct stat st {};
        return ::fstat(Descriptor(opaque), &st) == 0 ? st.st_size : AVERROR(errno);
    }
    off_t at = ::lseek(Descriptor(opaque), offset, whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : at;
}

} // namespace

FdIo::FdIo(int fd, Mode mode) : fd_(fd) {
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
    if (!buffer)
        return;
    const bool write = mode == Mode::Write;
    io_ = avio_alloc_context(buffer, kBufferSize, write ? 1 : 0, &fd_, write ? nullptr : ReadPacket,
                             write ? WritePacket : nullptr, Seek);
    if (!io_)
        av_free(buffer);
}

FdIo::~FdIo() {
    if (io_) {
        av_freep(&io_->buffer);
        avio_context_free(&io_);
    }
    if (fd_ >= 0)
        ::close(fd_);
}

bool FdIo::Close(std::string& error) {
    if (!io_) {
        error = "out of memory";
        return false;
    }
    avio_flush(io_);
    if (io_->error < 0) {
        error = ErrorText(io_->error);
        return false;
    }
    // Synced first, so that a rename never puts a file whose data is still
    // on its way in place of the user's.
    bool ok = ::fsync(fd_) == 0;
    int failure = errno;
    if (::close(fd_) != 0 && ok)
        ok = false, failure = errno;
    fd_ = -1;
    if (!ok)
        error = std::strerror(failure);
    return ok;
}

} // namespace rendix
