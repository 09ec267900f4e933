#pragma once

#include <cstddef>
#include <string>
#include <system_error>
#include <vector>

namespace velmont::forkserver {

// The converter and an encoder that serves forks talk over a unix socket
// of packets (SOCK_SEQPACKET), one message per packet. The converter asks,
// the server answers, one request at a time:
//   Launch: the encoder's arguments, with the write end of the job's output
//           pipe attached; the server forks a child that runs them and
//           answers with the child's pid. The child stays unreaped, so its
//           pid and group id cannot be reused, until
//   Reap:   a pid the converter has seen end; the server reaps it and
//           answers with its raw wait status.
// An answer is a number or an error (an errno value).

// Set in the server's environment: an encoder that finds it serves on the
// socket at kSocketFd. Its one argument is room (kCommandLineRoom blanks,
// which a program that is no server refuses as an argument) that each job
// fills with its own command line, so ps and /proc show what a fresh
// start would.
inline constexpr const char* kServeVariable = "VELMONT_FORK_SERVER";
inline constexpr std::size_t kCommandLineRoom = 16384;
inline constexpr int kSocketFd = 3;
// The server's first message; anything else means it is no server.
inline constexpr const char* kHello = "velmont-fork-server 1";

enum class Kind : char { Launch = 'L', Reap = 'R', Number = 'N', Error = 'E' };

struct Message {
    Kind kind = Kind::Error;
    std::vector<std::string> fields;
};

std::string Encode(const Message& message);
// false when the bytes are no message.
bool Decode(const std::string& bytes, Message& message);

// Sends one packet, with fd (when >= 0) attached.
std::error_code SendPacket(int socket, const std::string& bytes, int fd = -1);
// Waits for one packet; empty bytes at the end of the connection. An
// attached descriptor goes to *fd (close-on-exec), or is closed when fd is
// null; *fd is -1 when none came.
std::error_code ReceivePacket(int socket, std::string& bytes, int* fd = nullptr);

// An answer: a number, or an error code.
Message NumberAnswer(long long number);
Message ErrorAnswer(int error);
// The number of an answer, or the error it carries.
std::error_code ReadAnswer(const std::string& bytes, long long& number);

} // namespace velmont::forkserver
