#pragma once

#include "platform/Process.h"

#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace velmont {

class ForkServer;

// Starts the encoder of each run. Where the encoder can serve forks (our
// Rendix), the first run starts it as a server and every later run is a
// fork of that server, so a short file does not pay the encoder's start-up
// again; otherwise (a script or another program, or a server that cannot
// start) each run is spawned as a fresh process. A server that has ended
// is replaced at the next run, and one whose environment or working folder
// no longer matches this process's is started anew.
//
// Threads: used by the thread that runs jobs, one run at a time; the server
// follows that thread and ends with this object.
class EncoderLauncher {
  public:
    EncoderLauncher();
    ~EncoderLauncher();
    EncoderLauncher(const EncoderLauncher&) = delete;
    EncoderLauncher& operator=(const EncoderLauncher&) = delete;

    // As ChildProcess::Start; child must be gone before this object.
    ChildProcess::StartResult Start(ChildProcess& child, const std::vector<std::string>& arguments,
                                    const std::vector<std::string>& extraEnvironment,
                                    std::error_code& error);

    // The server now running, or null.
    const ForkServer* Server() const { return server_.get(); }

  private:
    ForkServer* ServerFor(const std::string& program,
                          const std::vector<std::string>& extraEnvironment);

    std::unique_ptr<ForkServer> server_;
    std::string refused_; // a program that did not start as a server
};

} // namespace velmont
