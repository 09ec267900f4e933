#include "rendix/Signals.h"

#include "rendix/OutputFile.h"
#include "rendix/PassLogDir.h"

#include <csignal>
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
    // The flags are looked at with the signals blocked, and sigsuspend
    // unblocks them atomically, so no signal slips between look and sleep.
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT})
        sigaddset(&blocked, signal);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    while (gPause && !gStop)
        sigsuspend(&previous);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

} // namespace rendix
