#pragma once

namespace velmont::cli {

// Ctrl-C, Ctrl-Z and fg as a file descriptor: the signals are blocked in
// every thread (so construct this before any thread starts, and encoders
// get their own mask when spawned) and read with signalfd on the main
// thread; no handler runs.
class SignalWatch {
  public:
    enum class Event { None, Interrupt, Suspend, Continue };

    SignalWatch();
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    int Fd() const { return fd_; }
    // Reads one pending signal.
    Event Read();
    // Stops this process as the default action of SIGTSTP would.
    static void StopSelf();

  private:
    int fd_ = -1;
};

} // namespace velmont::cli
