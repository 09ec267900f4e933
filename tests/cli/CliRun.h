#pragma once

// Runs the built velmont-cli as a child process of the test.
#include "PrivatePrograms.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace velmont::test {

// A copy of velmont-cli and its encoder for this test process.
inline const std::string& CliPath() {
    static const PrivatePrograms programs{"velmont-cli", "Rendix"};
    static const std::string path = programs.Path("velmont-cli");
    return path;
}

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    return text;
}

// A running velmont-cli whose standard output is read line by line; its
// standard error goes to a file read at the end.
class CliProcess {
  public:
    explicit CliProcess(const std::vector<std::string>& arguments,
                        const std::string& program = CliPath()) {
        int out[2];
        if (::pipe(out) != 0)
            return;
        char errName[] = "/tmp/velmont-cli-err-XXXXXX";
        errFd_ = ::mkstemp(errName);
        ::unlink(errName);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, errFd_, 2);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> all{program};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        outFd_ = out[0];
    }
    ~CliProcess() {
        if (pid_ > 0)
            Finish();
    }

    pid_t Pid() const { return pid_; }
    // The next line of standard output; false at its end.
    bool ReadLine(std::string& line) {
        for (;;) {
            if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
                line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                return true;
            }
            char buffer[1024];
            const ssize_t n = ::read(outFd_, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            pending_.append(buffer, std::size_t(n));
        }
    }
    CliResult Finish() {
        CliResult result;
        result.out = pending_ + ReadAll(outFd_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        ::lseek(errFd_, 0, SEEK_SET);
        result.err = ReadAll(errFd_);
        ::close(outFd_);
        ::close(errFd_);
        return result;
    }

  private:
    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    std::string pending_;
};

inline CliResult RunCli(const std::vector<std::string>& arguments) {
    return CliProcess(arguments).Finish();
}

} // namespace velmont::test
