#include "platform/SleepInhibitor.h"

#include <cstdint>
#include <fcntl.h>
#include <systemd/sd-bus.h>
#include <unistd.h>
#include <utility>

namespace velmont {

namespace {

constexpr std::uint64_t kLogindTimeoutUs = 3'000'000;

// The lock's descriptor belongs to the reply: keep a copy that encoders
// started later do not inherit, or the lock would outlive the batch.
int InhibitOn(sd_bus* bus, const std::string& reason) {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* reply = nullptr;
    int fd = -1;
    if (sd_bus_call_method(bus, "org.freedesktop.login1", "/org/freedesktop/login1",
                           "org.freedesktop.login1.Manager", "Inhibit", &error, &reply, "ssss",
                           "sleep:idle", "Velmont Media Converter", reason.c_str(), "block") >= 0) {
        int received = -1;
        if (sd_bus_message_read(reply, "h", &received) >= 0)
            fd = fcntl(received, F_DUPFD_CLOEXEC, 3);
    }
    sd_bus_message_unref(reply);
    sd_bus_error_free(&error);
    return fd;
}

} // namespace

SleepInhibitor SleepInhibitor::Take(const std::string& reason) {
    sd_bus* bus = nullptr;
    if (sd_bus_open_system(&bus) < 0)
        return {};
    sd_bus_set_method_call_timeout(bus, kLogindTimeoutUs);
    const int fd = InhibitOn(bus, reason);
    sd_bus_flush_close_unref(bus);
    return SleepInhibitor(fd);
}

SleepInhibitor::~SleepInhibitor() {
    Release();
}

SleepInhibitor::SleepInhibitor(SleepInhibitor&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)) {}

SleepInhibitor& SleepInhibitor::operator=(SleepInhibitor&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void SleepInhibitor::Release() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

} // namespace velmont
