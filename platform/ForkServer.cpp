#include "platform/ForkServer.h"

#include "platform/ForkServerProtocol.h"
#include "platform/SpawnSetup.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmont {

namespace {

// A start-up on a loaded machine may take seconds; a program that is no
// server has usually ended long before.
constexpr int kGreetingLimitMs = 15000;

std::error_code LastError() {
    return {errno, std::system_category()};
}

bool IsScript(const std::string& program) {
    char start[2] = {};
    std::ifstream(program, std::ios::binary).read(start, 2);
    return start[0] == '#' && start[1] == '!';
}

std::string WorkingFolder() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

// Spawns program with the socket as kSocketFd, /dev/null as its
// standard streams; the pid, or -1 with errno set.
int SpawnServer(const std::string& program, int socket,
                const std::vector<std::string>& extraEnvironment) {
    std::vector<std::string> arguments{program, std::string(forkserver::kCommandLineRoom, ' ')};
    std::vector<std::string> environment = extraEnvironment;
    environment.push_back(std::string(forkserver::kServeVariable) + "=1");
    environment = EnvironmentWith(environment);
    SpawnSetup setup;
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        posix_spawn_file_actions_addopen(&setup.actions, fd, "/dev/null", O_RDWR, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, socket, forkserver::kSocketFd);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &setup.actions, &setup.attributes,
                                   PointersTo(arguments).data(), PointersTo(environment).data());
    errno = failed;
    return failed ? -1 : pid;
}

bool Greeted(int socket) {
    pollfd greeting{socket, POLLIN, 0};
    int ready;
    do {
        ready = poll(&greeting, 1, kGreetingLimitMs);
    } while (ready < 0 && errno == EINTR);
    std::string bytes;
    return ready == 1 && !forkserver::ReceivePacket(socket, bytes) && bytes == forkserver::kHello;
}

void KillAndReap(int pid) {
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

std::unique_ptr<ForkServer> ForkServer::Start(const std::string& program,
                                              const std::vector<std::string>& extraEnvironment,
                                              std::error_code& error) {
    error.clear();
    if (IsScript(program)) {
        error = std::make_error_code(std::errc::executable_format_error);
        return nullptr;
    }
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
        error = LastError();
        return nullptr;
    }
    // Above the standard streams and kSocketFd, so the dup2 clears
    // close-on-exec on the server's copy.
    const int theirs = fcntl(ends[1], F_DUPFD_CLOEXEC, forkserver::kSocketFd + 1);
    close(ends[1]);
    const int pid = theirs < 0 ? -1 : SpawnServer(program, theirs, extraEnvironment);
    error = pid < 0 ? LastError() : std::error_code{};
    if (theirs >= 0)
        close(theirs);
    if (pid > 0 && !Greeted(ends[0])) {
        KillAndReap(pid);
        error = std::make_error_code(std::errc::protocol_error);
    }
    if (error) {
        close(ends[0]);
        return nullptr;
    }
    return std::unique_ptr<ForkServer>(new ForkServer(pid, ends[0], program));
}

ForkServer::ForkServer(int pid, int socket, std::string program)
    : pid_(pid), socket_(socket), program_(std::move(program)), environment_(EnvironmentWith({})),
      directory_(WorkingFolder()) {}

ForkServer::~ForkServer() {
    // It holds no file of anyone's, and every job has been reaped.
    close(socket_);
    KillAndReap(pid_);
}

bool ForkServer::Serves(const std::string& program) const {
    return program == program_ && EnvironmentWith({}) == environment_ &&
           WorkingFolder() == directory_;
}

bool ForkServer::Alive() const {
    // The server never speaks unasked: anything to read is its end.
    pollfd end{socket_, POLLIN, 0};
    return poll(&end, 1, 0) == 0;
}

std::error_code ForkServer::Launch(const std::vector<std::string>& arguments, int outputFd,
                                   int& jobPid) {
    const forkserver::Message request{forkserver::Kind::Launch, arguments};
    long long answer = -1;
    const std::error_code error = Ask(forkserver::Encode(request), outputFd, answer);
    jobPid = static_cast<int>(answer);
    return error;
}

std::error_code ForkServer::Reap(int jobPid, int& rawStatus) {
    const forkserver::Message request{forkserver::Kind::Reap, {std::to_string(jobPid)}};
    long long answer = 0;
    const std::error_code error = Ask(forkserver::Encode(request), -1, answer);
    rawStatus = static_cast<int>(answer);
    return error;
}

std::error_code ForkServer::Ask(const std::string& request, int fd, long long& answer) {
    if (const std::error_code error = forkserver::SendPacket(socket_, request, fd))
        return error;
    std::string bytes;
    if (const std::error_code error = forkserver::ReceivePacket(socket_, bytes))
        return error;
    if (bytes.empty())
        return std::make_error_code(std::errc::connection_aborted);
    return forkserver::ReadAnswer(bytes, answer);
}

} // namespace velmont
