#include "rendix/JobServer.h"

#include "platform/ForkServerProtocol.h"
#include "rendix/Console.h"
#include "rendix/OwnerWatch.h"
#include "rendix/RendixMain.h"
#include "rendix/Signals.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rendix {

namespace fs = velmont::forkserver;

namespace {

// The server's command line, contiguous in memory as the kernel laid it
// out; /proc/PID/cmdline shows what it holds.
struct CommandLineRoom {
    char* start = nullptr;
    std::size_t size = 0;
};

CommandLineRoom RoomOf(char** argv) {
    char* end = argv[0];
    for (char** argument = argv; *argument; ++argument) {
        if (*argument != end)
            return {}; // not laid out as expected: leave it alone
        end += std::strlen(*argument) + 1;
    }
    return {argv[0], static_cast<std::size_t>(end - argv[0])};
}

// The job's arguments in the room, cut where they do not fit.
void ShowCommandLine(const CommandLineRoom& room, const std::vector<std::string>& arguments) {
    if (!room.start)
        return;
    std::string text;
    for (const std::string& argument : arguments)
        text += argument + '\0';
    text.resize(room.size, '\0');
    text.back() = '\0';
    std::memcpy(room.start, text.data(), text.size());
}

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

[[noreturn]] void RunJob(pid_t server, const CommandLineRoom& room,
                         const std::vector<std::string>& arguments, int outputFd) {
    close(fs::kSocketFd);
    ShowCommandLine(room, arguments);
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

fs::Message ForkJob(const CommandLineRoom& room, const std::vector<std::string>& arguments,
                    int outputFd) {
    if (outputFd < 0 || arguments.empty())
        return fs::ErrorAnswer(EINVAL);
    const pid_t server = getpid();
    const pid_t pid = fork();
    if (pid == 0)
        RunJob(server, room, arguments, outputFd);
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

fs::Message Answer(const CommandLineRoom& room, const std::string& bytes, int fd) {
    fs::Message request;
    if (!fs::Decode(bytes, request))
        return fs::ErrorAnswer(EBADMSG);
    if (request.kind == fs::Kind::Launch)
        return ForkJob(room, request.fields, fd);
    if (request.kind == fs::Kind::Reap)
        return ReapJob(request.fields);
    return fs::ErrorAnswer(EBADMSG);
}

} // namespace

bool ServeRequested(int argc) {
    const char* serve = std::getenv(fs::kServeVariable);
    return argc == 2 && serve && *serve;
}

int ServeJobs(char** argv) {
    const CommandLineRoom room = RoomOf(argv);
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
        const fs::Message answer = Answer(room, request, fd);
        if (fd >= 0)
            close(fd);
        if (fs::SendPacket(fs::kSocketFd, fs::Encode(answer)))
            return 0;
    }
}

} // namespace rendix
