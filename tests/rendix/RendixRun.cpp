#include "RendixRun.h"

#include <sys/wait.h>
#include <unistd.h>

pid_t StartRendix(const std::vector<std::string>& args, const std::vector<std::string>& environment,
                  int* readEnd, const std::string& workingDirectory) {
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::dup2(fds[1], STDERR_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0)
            ::_exit(127);
        for (const auto& e : environment)
            ::putenv(const_cast<char*>(e.c_str()));
        std::string path = VELMONT_BIN_DIR "/Rendix";
        std::vector<char*> argv{path.data()};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(path.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    *readEnd = fds[0];
    return pid;
}

void ReadAll(int fd, RendixRun& run) {
    char buffer[8191];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        run.chunks.emplace_back(buffer, static_cast<std::size_t>(n));
        run.output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
}

RendixRun RunRendix(const std::vector<std::string>& args,
                    const std::vector<std::string>& environment,
                    const std::string& workingDirectory) {
    RendixRun run;
    int fd = -1;
    pid_t pid = StartRendix(args, environment, &fd, workingDirectory);
    if (pid < 0)
        return run;
    ReadAll(fd, run);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}
