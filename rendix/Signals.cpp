#include "rendix/Signals.h"

#include "rendix/OutputFile.h"
#include "rendix/PassLogDir.h"

#include <csignal>
#include <poll.h>
#include <unistd.h>

namespace rendix {

namespace {

volatile std::sig_atomic_t gStop = 0;
volatile std::sig_atomic_t gPause = 0;

void OnStopSignal(int) {
    if (gStop) {
        RemovePassLogDirFromSignal();
        RemoveTempOutputFromSignal();
        ::_exit(255);
    }
    gStop = 1;
}

void OnPauseSignal(int) {
    gPause = 1;
}

void OnResumeSignal(int) {
    gPause = 0;
}

void Handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

} // namespace

void InstallSignalHandlers() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        Handle(signal, OnStopSignal);
    Handle(SIGTSTP, OnPauseSignal);
    Handle(SIGCONT, OnResumeSignal);
    std::signal(SIGPIPE, SIG_IGN);
}

bool StopRequested() {
    return gStop != 0;
}

void WaitWhilePaused() {
    // The flags are looked at with the signals blocked, and ppoll unblocks
    // them atomically, so no signal meant for this thread slips between look
    // and sleep. The codec's threads take signals too, and a handler run on
    // one of them wakes nobody here: the sleep is short, and the flags are
    // looked at again after it.
    constexpr timespec kLookAgain{0, 50'000'000};
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT})
        sigaddset(&blocked, signal);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    while (gPause && !gStop)
        ppoll(nullptr, 0, &kLookAgain, &previous);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

} // namespace rendix
