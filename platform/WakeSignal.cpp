#include "platform/WakeSignal.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace velmont {

WakeSignal::WakeSignal() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

WakeSignal::~WakeSignal() {
    if (fd_ >= 0)
        close(fd_);
}

void WakeSignal::Raise() {
    const std::uint64_t one = 1;
    // A full counter already wakes the waiter; nothing is lost by failing.
    [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof one);
}

void WakeSignal::Clear() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = read(fd_, &count, sizeof count);
}

} // namespace velmont
