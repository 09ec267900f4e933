#pragma once

namespace velmont {

// A flag one thread raises to wake another that sleeps in poll(2) on Fd().
// Raising it twice before it is cleared wakes once.
class WakeSignal {
  public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    // Safe from any thread, also from a signal handler.
    void Raise();
    // Lowers the flag; the waiter calls it before looking at what changed.
    void Clear();
    int Fd() const { return fd_; }

  private:
    int fd_ = -1;
};

} // namespace velmont
