#pragma once

#include <string>

namespace velmont {

// A logind inhibitor lock that keeps the computer from sleeping or going
// idle while a batch runs. logind holds the other end of its file
// descriptor: closing it, or the process ending in any way, releases the
// lock, so a crash never leaves the machine awake.
//
// Taken from the system bus (DBUS_SYSTEM_BUS_ADDRESS when set). Where no
// logind answers, Take returns a lock that holds nothing and the caller goes
// on as if there were no such thing as sleep.
class SleepInhibitor {
  public:
    SleepInhibitor() = default;
    ~SleepInhibitor();
    SleepInhibitor(SleepInhibitor&& other) noexcept;
    SleepInhibitor& operator=(SleepInhibitor&& other) noexcept;
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    // Blocks sleep and idle with `reason` shown to the user ("Converting 3
    // files"); waits a few seconds at most for logind.
    static SleepInhibitor Take(const std::string& reason);

    bool Held() const { return fd_ >= 0; }
    void Release();

  private:
    explicit SleepInhibitor(int fd) : fd_(fd) {}

    int fd_ = -1;
};

} // namespace velmont
