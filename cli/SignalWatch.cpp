#include "cli/SignalWatch.h"

#include <csignal>
#include <initializer_list>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace velmont::cli {

namespace {

sigset_t WatchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT})
        sigaddset(&set, signal);
    return set;
}

} // namespace

SignalWatch::SignalWatch() {
    const sigset_t set = WatchedSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    fd_ = signalfd(-1, &set, SFD_CLOEXEC);
}

SignalWatch::~SignalWatch() {
    if (fd_ >= 0)
        ::close(fd_);
}

SignalWatch::Event SignalWatch::Read() {
    signalfd_siginfo info{};
    if (::read(fd_, &info, sizeof info) != ssize_t(sizeof info))
        return Event::None;
    switch (int(info.ssi_signo)) {
    case SIGTSTP:
        return Event::Suspend;
    case SIGCONT:
        return Event::Continue;
    default:
        return Event::Interrupt;
    }
}

void SignalWatch::StopSelf() {
    ::kill(::getpid(), SIGSTOP);
}

} // namespace velmont::cli
