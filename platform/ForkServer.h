#pragma once

#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace velmont {

// An encoder started once that starts each job as a fork of itself, so a
// job does not pay the encoder's start-up (loading and binding its
// libraries). The converter's side of the protocol in ForkServerProtocol.h.
//
// The server follows its owner (the thread that started it: it ends when
// that thread or this process ends, and with it every job it forked), and
// ends when this object goes. Used by one thread at a time.
class ForkServer {
  public:
    // Starts program as a server; nullptr and the error
    // when it does not greet as one. A script is never started: only our
    // encoder's binary serves, and a script run like this might do anything.
    static std::unique_ptr<ForkServer> Start(const std::string& program,
                                             const std::vector<std::string>& extraEnvironment,
                                             std::error_code& error);
    ~ForkServer();
    ForkServer(const ForkServer&) = delete;
    ForkServer& operator=(const ForkServer&) = delete;

    // A job of program forked now runs as a fresh start of it would: the
    // same program, environment and working folder as the server's.
    bool Serves(const std::string& program) const;
    // Still there to answer; false once it has ended.
    bool Alive() const;
    int Pid() const { return pid_; }

    // Forks a job running arguments (arguments[0] is the program's name),
    // its output and error going to outputFd and its input reading
    // /dev/null, in a process group of its own. It stays unreaped until Reap.
    std::error_code Launch(const std::vector<std::string>& arguments, int outputFd, int& jobPid);
    // Reaps a job that has ended (or waits for it to end): its raw status.
    std::error_code Reap(int jobPid, int& rawStatus);

  private:
    ForkServer(int pid, int socket, std::string program);
    std::error_code Ask(const std::string& request, int fd, long long& answer);

    int pid_;
    int socket_;
    std::string program_;
    std::vector<std::string> environment_;
    std::string directory_;
};

} // namespace velmont
