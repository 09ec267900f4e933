#include "rendix/JobServer.h"

#include "platform/ForkServerProtocol.h"
#include "rendix/Console.h"
#include "rendix/OwnerWatch.h"
#include "rendix/RendixMain.h"
#include "rendix/Signals.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rendix {

namespace fs = velmont::forkserver;

namespace {

bool IsPacketSocket(int fd) {
    int type = 0;
    socklen_t size = sizeof type;
    return getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &size) == 0 && type == SOCK_SEQPACKET;
}

// Standard input reads /dev/null; output and error go to outputFd.
bool TakeStreams(int outputFd) {
    const int input = open("/dev/null", O_RDONLY);
    const bool taken = input >= 0 && dup2(input, STDIN_FILENO) == STDIN_FILENO &&
                       dup2(outputFd, STDOUT_FILENO) == STDOUT_FILENO &&
                       dup2(outputFd, STDERR_FILENO) == STDERR_FILENO;
    for (int fd : {input, outputFd})
        if (fd > STDERR_FILENO)
            close(fd);
    return taken;
}

[[noreturn]] void RunJob(pid_t server, const std::vector<std::string>& arguments, int outputFd) {
    close(fs::kSocketFd);
    setpgid(0, 0);
    if (!TakeStreams(outputFd))
        _exit(127);
    InstallSignalHandlers();
    if (!WatchParent(server)) {
        WriteOut("Error: the program that started Rendix has ended\n");
        std::exit(1);
    }
    std::exit(RunRendix(std::vector<std::string>(arguments.begin() + 1, arguments.end())));
}

fs::Message ForkJob(const std::vector<std::string>& arguments, int outputFd) {
    if (outputFd < 0 || arguments.empty())
        return fs::ErrorAnswer(EINVAL);
    const pid_t server = getpid();
    const pid_t pid = fork();
    if (pid == 0)
        RunJob(server, arguments, outputFd);
    if (pid < 0)
        return fs::ErrorAnswer(errno);
    // Also done here, so the group exists before the converter signals it.
    setpgid(pid, pid);
    return fs::NumberAnswer(pid);
}

fs::Message ReapJob(const std::vector<std::string>& fields) {
    const pid_t pid = fields.size() == 1 ? std::atoi(fields[0].c_str()) : 0;
    if (pid <= 0)
        return fs::ErrorAnswer(EINVAL);
    int raw = 0;
    pid_t reaped;
    do {
        reaped = waitpid(pid, &raw, 0);
    } while (reaped < 0 && errno == EINTR);
    return reaped == pid ? fs::NumberAnswer(raw) : fs::ErrorAnswer(errno);
}

fs::Message Answer(const std::string& bytes, int fd) {
    fs::Message request;
    if (!fs::Decode(bytes, request))
        return fs::ErrorAnswer(EBADMSG);
    if (request.kind == fs::Kind::Launch)
        return ForkJob(request.fields, fd);
    if (request.kind == fs::Kind::Reap)
        return ReapJob(request.fields);
    return fs::ErrorAnswer(EBADMSG);
}

} // namespace

bool ServeRequested() {
    const char* serve = std::getenv(fs::kServeVariable);
    return serve && *serve;
}

int ServeJobs() {
    unsetenv(fs::kServeVariable);
    // No handlers: a stop ends the server at once, and its jobs follow.
    std::signal(SIGCHLD, SIG_DFL);
    if (!WatchOwner() || !IsPacketSocket(fs::kSocketFd))
        return 1;
    fcntl(fs::kSocketFd, F_SETFD, FD_CLOEXEC);
    if (fs::SendPacket(fs::kSocketFd, fs::kHello))
        return 1;
    for (;;) {
        std::string request;
        int fd = -1;
        if (fs::ReceivePacket(fs::kSocketFd, request, &fd) || request.empty())
            return 0;
        const fs::Message answer = Answer(request, fd);
        if (fd >= 0)
            close(fd);
        if (fs::SendPacket(fs::kSocketFd, fs::Encode(answer)))
            return 0;
    }
}

} // namespace rendix
