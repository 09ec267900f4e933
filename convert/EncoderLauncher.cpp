#include "convert/EncoderLauncher.h"

#include "platform/ForkServer.h"

namespace velmont {

EncoderLauncher::EncoderLauncher() = default;
EncoderLauncher::~EncoderLauncher() = default;

ChildProcess::StartResult EncoderLauncher::Start(ChildProcess& child,
                                                 const std::vector<std::string>& arguments,
                                                 const std::vector<std::string>& extraEnvironment,
                                                 std::error_code& error) {
    if (!arguments.empty()) {
        if (ForkServer* server = ServerFor(arguments.front(), extraEnvironment)) {
            if (child.Start(*server, arguments, error) == ChildProcess::StartResult::Started)
                return ChildProcess::StartResult::Started;
            // It went between two runs (it follows the thread that started
            // it); the next run starts another.
            server_.reset();
        }
    }
    return child.Start(arguments, error, extraEnvironment);
}

ForkServer* EncoderLauncher::ServerFor(const std::string& program,
                                       const std::vector<std::string>& extraEnvironment) {
    if (server_ && server_->Serves(program) && server_->Alive())
        return server_.get();
    server_.reset();
    if (program == refused_)
        return nullptr;
    std::error_code error;
    server_ = ForkServer::Start(program, extraEnvironment, error);
    if (!server_)
        refused_ = program;
    return server_.get();
}

} // namespace velmont
