#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <system_error>
#include <vector>

namespace velmont {

class ForkServer;

// How a child process ended.
struct ExitStatus {
    bool known = false;  // false when the child was never reaped by us
    bool exited = false; // ended through exit; code holds its status
    int code = 0;
    bool signalled = false; // killed by a signal
    int signal = 0;

    bool Succeeded() const { return known && exited && code == 0; }
};

// One child process started from a command line, with its standard output
// and standard error in one pipe that the parent reads without blocking.
// The child leads a process group of its own, so suspending, resuming and
// terminating reach everything it started. Used by one thread at a time.
class ChildProcess {
  public:
    // The most bytes one read returns.
    static constexpr std::size_t kMaxRead = 8191;

    enum class StartResult { Started, PipeFailed, SpawnFailed };
    enum class WaitResult { Running, Ended, Failed };
    // What ended a WaitForActivity.
    enum class Activity { Output, Wake, Ended, TimedOut, Failed };

    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // A child that was never waited for is killed with its group and
    // reaped, so no process outlives its owner unnoticed.
    ~ChildProcess();

    // Starts arguments[0] (searched on PATH when it holds no '/') with
    // the arguments as they are, without a shell; standard input reads
    // /dev/null. On failure the error is stored.
    // extraEnvironment ("NAME=value" entries) is added to this process's
    // environment for the child.
    StartResult Start(const std::vector<std::string>& arguments, std::error_code& error,
                      const std::vector<std::string>& extraEnvironment = {});

    // The same, forked by server (which outlives this object) instead of
    // spawned: the child is the server's, and the server reaps it for us.
    StartResult Start(ForkServer& server, const std::vector<std::string>& arguments,
                      std::error_code& error);

    int Pid() const { return pid_; }
    // Started and not yet reaped.
    bool Running() const { return pid_ > 0 && !reaped_; }

    // Number of bytes waiting in the pipe; never blocks.
    std::error_code Peek(std::size_t& available) const;
    // Replaces chunk with up to kMaxRead bytes of what is waiting (none
    // when nothing is); never blocks.
    std::error_code Read(std::string& chunk);

    // Sleeps until output is waiting, wakeFd (when >= 0) is readable, the
    // child has ended or timeoutMs have passed (-1: no limit). Costs no
    // CPU while it waits, also for a suspended child.
    Activity WaitForActivity(int wakeFd, int timeoutMs);

    // Reaps the child when it has ended; never blocks.
    WaitResult TryWait(std::error_code& error);
    // Valid once TryWait returned Ended or Terminate succeeded.
    const ExitStatus& Status() const { return status_; }

    // SIGTSTP, SIGCONT, SIGKILL to the child's process group; Terminate
    // also reaps the child. SIGTSTP stops a program as SIGSTOP does unless
    // it pauses itself, which lets it still hear a stop or its owner's end.
    // The group is never orphaned while we live, so the kernel delivers it.
    std::error_code Suspend();
    std::error_code Resume();
    std::error_code Terminate();
    // Asks the child to end (SIGTERM, with SIGCONT so a suspended child
    // hears it), so it can clean up after itself; what has not ended within
    // grace is terminated. Reaps the child.
    std::error_code Stop(std::chrono::milliseconds grace);

    // Closes the parent's end of the pipe.
    std::error_code ClosePipe();

  private:
    // The pipe's ends: the parent's, non-blocking, and the child's.
    static StartResult OpenPipe(int& readFd, int& writeFd, std::error_code& error);
    void Adopt(int pid, int readFd);
    std::error_code SignalGroup(int signal) const;
    // Looks without reaping.
    bool HasEnded() const;
    void Reap();

    int pid_ = -1;
    bool reaped_ = false;
    int readFd_ = -1;
    // Readable once the child has ended; -1 where the kernel has none,
    // and then the end is noticed by polling.
    int pidFd_ = -1;
    // Every writer has closed the pipe; it no longer wakes a wait.
    bool pipeClosed_ = false;
    ExitStatus status_;
    // The server that forked the child; null when we spawned it.
    ForkServer* server_ = nullptr;
};

} // namespace velmont
