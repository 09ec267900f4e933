#include "RendixRun.h"

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

std::string RendixPath() {
    return VELMONT_BIN_DIR "/Rendix";
}

RendixRun RunRendix(const std::vector<std::string>& args,
                    const std::vector<std::string>& environment) {
    RendixRun run;
    int fds[2];
    if (::pipe(fds) != 0)
        return run;
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::dup2(fds[1], STDERR_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        for (const auto& e : environment)
            ::putenv(const_cast<char*>(e.c_str()));
        std::string path = RendixPath();
        std::vector<char*> argv;
        argv.push_back(path.data());
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(path.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    char buffer[8191];
    while (true) {
        ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        run.chunks.emplace_back(buffer, static_cast<std::size_t>(n));
        run.output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

bool RunShell(const std::string& command) {
    return std::system(command.c_str()) == 0;
}
