#include "rendix/Signals.h"

#include "rendix/OutputFile.h"
#include "rendix/PassLogDir.h"

#include <csignal>
#include <unistd.h>

namespace rendix {

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnStopSignal(int) {
    if (gStop) {
        RemovePassLogDirFromSignal();
        RemoveTempOutputFromSignal();
        ::_exit(255);
    }
    gStop = 1;
}

} // namespace

void InstallSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool StopRequested() {
    return gStop != 0;
}

} // namespace rendix
