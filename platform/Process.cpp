#include "platform/Process.h"

#include "platform/ForkServer.h"
#include "platform/SpawnSetup.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace velmont {

namespace {

std::error_code LastError() {
    return {errno, std::system_category()};
}

// Keeps a descriptor away from 0..2 so the child's dup2 onto them always
// clears close-on-exec.
int AboveStandardStreams(int fd) {
    if (fd > 2)
        return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return moved;
}

ExitStatus DecodeStatus(int raw) {
    ExitStatus status;
    status.known = true;
    status.exited = WIFEXITED(raw);
    status.code = status.exited ? WEXITSTATUS(raw) : 0;
    status.signalled = WIFSIGNALED(raw);
    status.signal = status.signalled ? WTERMSIG(raw) : 0;
    return status;
}

} // namespace

ChildProcess::~ChildProcess() {
    if (Running()) {
        SignalGroup(SIGKILL);
        Reap();
    }
    ClosePipe();
}

ChildProcess::StartResult ChildProcess::OpenPipe(int& readFd, int& writeFd,
                                                 std::error_code& error) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = LastError();
        return StartResult::PipeFailed;
    }
    readFd = AboveStandardStreams(fds[0]);
    writeFd = AboveStandardStreams(fds[1]);
    if (readFd >= 0 && writeFd >= 0 && fcntl(readFd, F_SETFL, O_NONBLOCK) == 0)
        return StartResult::Started;
    error = LastError();
    if (readFd >= 0)
        close(readFd);
    if (writeFd >= 0)
        close(writeFd);
    return StartResult::PipeFailed;
}

ChildProcess::StartResult ChildProcess::Start(const std::vector<std::string>& commandArguments,
                                              std::error_code& error,
                                              const std::vector<std::string>& extraEnvironment) {
    error.clear();
    int readFd = -1;
    int writeFd = -1;
    if (OpenPipe(readFd, writeFd, error) != StartResult::Started)
        return StartResult::PipeFailed;
    std::vector<std::string> arguments = commandArguments;
    std::vector<std::string> environment = EnvironmentWith(extraEnvironment);
    int spawnError = EINVAL;
    pid_t pid = -1;
    if (!arguments.empty()) {
        SpawnSetup setup;
        posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&setup.actions, writeFd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&setup.actions, writeFd, STDERR_FILENO);
        spawnError = posix_spawnp(&pid, arguments[0].c_str(), &setup.actions, &setup.attributes,
                                  PointersTo(arguments).data(), PointersTo(environment).data());
    }
    // Only the child writes; our copy of the write end would hide its end.
    close(writeFd);
    if (spawnError != 0) {
        close(readFd);
        error = std::error_code(spawnError, std::system_category());
        return StartResult::SpawnFailed;
    }
    server_ = nullptr;
    Adopt(pid, readFd);
    return StartResult::Started;
}

ChildProcess::StartResult ChildProcess::Start(ForkServer& server,
                                              const std::vector<std::string>& arguments,
                                              std::error_code& error) {
    error.clear();
    int readFd = -1;
    int writeFd = -1;
    if (OpenPipe(readFd, writeFd, error) != StartResult::Started)
        return StartResult::PipeFailed;
    int pid = -1;
    error = arguments.empty() ? std::make_error_code(std::errc::invalid_argument)
                              : server.Launch(arguments, writeFd, pid);
    close(writeFd);
    if (error) {
        close(readFd);
        return StartResult::SpawnFailed;
    }
    server_ = &server;
    Adopt(pid, readFd);
    if (pidFd_ < 0) {
        // Without a pidfd the end of another's child cannot be watched.
        error = LastError();
        Terminate();
        ClosePipe();
        return StartResult::SpawnFailed;
    }
    return StartResult::Started;
}

void ChildProcess::Adopt(int pid, int readFd) {
    pid_ = pid;
    reaped_ = false;
    readFd_ = readFd;
    pipeClosed_ = false;
    status_ = {};
    pidFd_ = -1;
#ifdef SYS_pidfd_open
    pidFd_ = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#endif
}

ChildProcess::Activity ChildProcess::WaitForActivity(int wakeFd, int timeoutMs) {
    // Without a pidfd the child's end shows only by asking now and then.
    constexpr int kEndPollMs = 100;
    if (pidFd_ < 0 && (timeoutMs < 0 || timeoutMs > kEndPollMs))
        timeoutMs = kEndPollMs;
    pollfd fds[3];
    nfds_t count = 0;
    const auto add = [&](int fd) {
        fds[count] = {fd, POLLIN, 0};
        return fd >= 0 ? static_cast<int>(count++) : -1;
    };
    const int pipeAt = pipeClosed_ ? -1 : add(readFd_);
    const int wakeAt = add(wakeFd);
    const int endAt = add(pidFd_);
    int ready;
    do {
        ready = poll(fds, count, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0)
        return Activity::Failed;
    if (wakeAt >= 0 && fds[wakeAt].revents)
        return Activity::Wake;
    if (pipeAt >= 0 && (fds[pipeAt].revents & POLLIN))
        return Activity::Output;
    if (pipeAt >= 0 && fds[pipeAt].revents)
        pipeClosed_ = true; // hung up with nothing left to read
    if (endAt >= 0 && fds[endAt].revents)
        return Activity::Ended;
    return ready == 0 ? Activity::TimedOut : Activity::Ended;
}

std::error_code ChildProcess::Peek(std::size_t& available) const {
    available = 0;
    int count = 0;
    if (ioctl(readFd_, FIONREAD, &count) != 0)
        return LastError();
    available = count > 0 ? static_cast<std::size_t>(count) : 0;
    return {};
}

std::error_code ChildProcess::Read(std::string& chunk) {
    chunk.resize(kMaxRead);
    ssize_t count;
    do {
        count = read(readFd_, chunk.data(), kMaxRead);
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        const std::error_code error = LastError();
        chunk.clear();
        if (error == std::errc::resource_unavailable_try_again ||
            error == std::errc::operation_would_block)
            return {};
        return error;
    }
    chunk.resize(static_cast<std::size_t>(count));
    return {};
}

ChildProcess::WaitResult ChildProcess::TryWait(std::error_code& error) {
    error.clear();
    if (pid_ <= 0) {
        error = std::make_error_code(std::errc::no_child_process);
        return WaitResult::Failed;
    }
    if (reaped_)
        return WaitResult::Ended;
    if (server_) {
        if (!HasEnded())
            return WaitResult::Running;
        Reap();
        return WaitResult::Ended;
    }
    int raw = 0;
    pid_t result;
    do {
        result = waitpid(pid_, &raw, WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        error = LastError();
        // Someone else reaped it: its pid, and so its group id, may
        // already belong to another process, which must never be signalled.
        reaped_ = true;
        return WaitResult::Failed;
    }
    if (result == 0)
        return WaitResult::Running;
    reaped_ = true;
    status_ = DecodeStatus(raw);
    return WaitResult::Ended;
}

std::error_code ChildProcess::SignalGroup(int signal) const {
    // A server that has ended no longer holds the child's pid for us.
    if (pid_ <= 0 || reaped_ || (server_ && !server_->Alive()))
        return std::make_error_code(std::errc::no_such_process);
    // The group id is the child's pid; it cannot be reused while the
    // unreaped child still holds it.
    if (kill(-pid_, signal) != 0)
        return LastError();
    return {};
}

std::error_code ChildProcess::Suspend() {
    return SignalGroup(SIGTSTP);
}

std::error_code ChildProcess::Resume() {
    return SignalGroup(SIGCONT);
}

std::error_code ChildProcess::Terminate() {
    const std::error_code error = SignalGroup(SIGKILL);
    if (!error)
        Reap();
    return error;
}

std::error_code ChildProcess::Stop(std::chrono::milliseconds grace) {
    if (const std::error_code error = SignalGroup(SIGTERM))
        return error;
    SignalGroup(SIGCONT);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (std::chrono::steady_clock::now() < deadline) {
        // Looked at, not reaped: the group id must stay ours until the rest
        // of the group is gone too.
        if (HasEnded())
            break;
        pollfd end{pidFd_, POLLIN, 0};
        if (pidFd_ < 0 || poll(&end, 1, 10) < 0)
            usleep(10000);
    }
    // Whatever of the group is left goes now; a group whose members have
    // all ended already is no error.
    SignalGroup(SIGKILL);
    Reap();
    return {};
}

bool ChildProcess::HasEnded() const {
    if (server_) {
        pollfd end{pidFd_, POLLIN, 0};
        return poll(&end, 1, 0) != 0;
    }
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
           info.si_pid == pid_;
}

void ChildProcess::Reap() {
    if (server_) {
        int raw = 0;
        const bool answered = !server_->Reap(pid_, raw);
        reaped_ = true;
        status_ = answered ? DecodeStatus(raw) : ExitStatus{};
        return;
    }
    int raw = 0;
    pid_t result;
    do {
        result = waitpid(pid_, &raw, 0);
    } while (result < 0 && errno == EINTR);
    reaped_ = true;
    if (result == pid_)
        status_ = DecodeStatus(raw);
}

std::error_code ChildProcess::ClosePipe() {
    if (pidFd_ >= 0) {
        close(pidFd_);
        pidFd_ = -1;
    }
    if (readFd_ < 0)
        return {};
    const int fd = readFd_;
    readFd_ = -1;
    if (close(fd) != 0 && errno != EINTR)
        return LastError();
    return {};
}

} // namespace velmont
