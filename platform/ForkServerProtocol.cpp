#include "platform/ForkServerProtocol.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace velmont::forkserver {

namespace {

// Larger than any command line the converter builds.
constexpr std::size_t kMaxPacket = 256 * 1024;

std::error_code LastError() {
    return {errno, std::system_category()};
}

bool KnownKind(char kind) {
    return kind == 'L' || kind == 'R' || kind == 'N' || kind == 'E';
}

// The descriptor attached to a received message, -1 when none.
int AttachedFd(msghdr& header) {
    int fd = -1;
    for (cmsghdr* control = CMSG_FIRSTHDR(&header); control;
         control = CMSG_NXTHDR(&header, control)) {
        if (control->cmsg_level != SOL_SOCKET || control->cmsg_type != SCM_RIGHTS)
            continue;
        const std::size_t count = (control->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (std::size_t i = 0; i < count; ++i) {
            int received;
            std::memcpy(&received, CMSG_DATA(control) + i * sizeof(int), sizeof(int));
            if (fd < 0)
                fd = received;
            else
                close(received); // only one is ever sent
        }
    }
    return fd;
}

} // namespace

std::string Encode(const Message& message) {
    std::string bytes(1, static_cast<char>(message.kind));
    for (const std::string& field : message.fields)
        bytes += field + '\0';
    return bytes;
}

bool Decode(const std::string& bytes, Message& message) {
    if (bytes.empty() || !KnownKind(bytes[0]) || (bytes.size() > 1 && bytes.back() != '\0'))
        return false;
    message.kind = static_cast<Kind>(bytes[0]);
    message.fields.clear();
    for (std::size_t at = 1; at < bytes.size();) {
        const std::size_t end = bytes.find('\0', at);
        message.fields.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return true;
}

std::error_code SendPacket(int socket, const std::string& bytes, int fd) {
    iovec data{const_cast<char*>(bytes.data()), bytes.size()};
    msghdr header{};
    header.msg_iov = &data;
    header.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    if (fd >= 0) {
        header.msg_control = control;
        header.msg_controllen = sizeof control;
        cmsghdr* attached = CMSG_FIRSTHDR(&header);
        attached->cmsg_level = SOL_SOCKET;
        attached->cmsg_type = SCM_RIGHTS;
        attached->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(attached), &fd, sizeof(int));
    }
    ssize_t sent;
    do {
        sent = sendmsg(socket, &header, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent < 0 ? LastError() : std::error_code{};
}

std::error_code ReceivePacket(int socket, std::string& bytes, int* fd) {
    bytes.resize(kMaxPacket);
    iovec data{bytes.data(), bytes.size()};
    msghdr header{};
    header.msg_iov = &data;
    header.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(4 * sizeof(int))];
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    ssize_t received;
    do {
        received = recvmsg(socket, &header, MSG_CMSG_CLOEXEC);
    } while (received < 0 && errno == EINTR);
    std::error_code error = received < 0 ? LastError() : std::error_code{};
    if (!error && (header.msg_flags & (MSG_TRUNC | MSG_CTRUNC)))
        error = std::make_error_code(std::errc::message_size);
    int attached = received < 0 ? -1 : AttachedFd(header);
    if (attached >= 0 && (error || !fd)) {
        close(attached);
        attached = -1;
    }
    if (fd)
        *fd = attached;
    bytes.resize(error ? 0 : static_cast<std::size_t>(received));
    return error;
}

Message NumberAnswer(long long number) {
    return {Kind::Number, {std::to_string(number)}};
}

Message ErrorAnswer(int error) {
    return {Kind::Error, {std::to_string(error)}};
}

std::error_code ReadAnswer(const std::string& bytes, long long& number) {
    Message answer;
    if (!Decode(bytes, answer) || answer.fields.size() != 1 ||
        (answer.kind != Kind::Number && answer.kind != Kind::Error))
        return std::make_error_code(std::errc::bad_message);
    const long long value = std::strtoll(answer.fields[0].c_str(), nullptr, 10);
    if (answer.kind == Kind::Error)
        return {static_cast<int>(value), std::system_category()};
    number = value;
    return {};
}

} // namespace velmont::forkserver
