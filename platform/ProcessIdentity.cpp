#include "platform/ProcessIdentity.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace velmont {

namespace {

// The fields of /proc/PID/stat after the command name, which may itself
// hold blanks and parentheses.
std::string StatFieldsAfterName(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return {};
    const std::size_t close = line.rfind(')');
    return close == std::string::npos ? std::string() : line.substr(close + 1);
}

} // namespace

std::string ProcessIdentity::ToText() const {
    return std::to_string(pid) + ":" + std::to_string(startTime);
}

std::optional<ProcessIdentity> ProcessIdentity::FromText(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    ProcessIdentity identity;
    const char* end = text.data() + text.size();
    const auto pid = std::from_chars(text.data(), text.data() + colon, identity.pid);
    const auto start = std::from_chars(text.data() + colon + 1, end, identity.startTime);
    if (pid.ec != std::errc() || pid.ptr != text.data() + colon || start.ec != std::errc() ||
        start.ptr != end || identity.pid <= 0)
        return std::nullopt;
    return identity;
}

ProcessIdentity IdentityOf(int pid) {
    ProcessIdentity identity{pid, 0};
    std::istringstream fields(StatFieldsAfterName(pid));
    // State is field 3 and the start time field 22 of the whole line.
    std::string state;
    fields >> state;
    std::string skipped;
    for (int field = 4; field < 22 && fields >> skipped; ++field) {
    }
    fields >> identity.startTime;
    if (!fields || state == "Z" || state == "X")
        identity.startTime = 0;
    return identity;
}

ProcessIdentity OwnIdentity() {
    return IdentityOf(static_cast<int>(getpid()));
}

bool IsAlive(const ProcessIdentity& process) {
    return process.pid > 0 && process.startTime != 0 && IdentityOf(process.pid) == process;
}

std::string EnvironmentValueOf(int pid, const std::string& name) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/environ", std::ios::binary);
    const std::string environment((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    const std::string prefix = name + "=";
    std::size_t at = 0;
    while (at < environment.size()) {
        const std::size_t end = environment.find('\0', at);
        const std::string entry = environment.substr(at, end - at);
        if (entry.compare(0, prefix.size(), prefix) == 0)
            return entry.substr(prefix.size());
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return {};
}

} // namespace velmont
