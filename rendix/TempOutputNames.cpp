#include "rendix/TempOutputNames.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace rendix {

namespace {

constexpr const char* kMark = ".rendix-";
constexpr const char* kSuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;
constexpr std::size_t kMaxName = 255;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsAlive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

} // namespace

std::string TempOutputName(const std::string& targetName, pid_t owner, const std::string& random) {
    const std::string tail = kMark + std::to_string(owner) + "-" + random + kSuffix;
    std::string name = targetName.substr(0, kMaxName - 1 - tail.size());
    return "." + name + tail;
}

pid_t TempOutputOwner(const std::string& name) {
    const std::size_t mark = name.rfind(kMark);
    if (name.empty() || name[0] != '.' || mark == std::string::npos || !EndsWith(name, kSuffix))
        return 0;
    const std::size_t digits = mark + std::char_traits<char>::length(kMark);
    const std::size_t dash = name.find('-', digits);
    const std::size_t suffix = name.size() - std::char_traits<char>::length(kSuffix);
    if (dash == std::string::npos || dash == digits || dash > 20 + digits ||
        suffix != dash + 1 + kRandomLength)
        return 0;
    for (std::size_t i = digits; i < suffix; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (i < dash ? !std::isdigit(c) : i > dash && !std::isalnum(c))
            return 0;
    }
    long long pid = std::stoll(name.substr(digits, dash - digits));
    return pid > 0 && pid <= 0x7fffffff ? static_cast<pid_t>(pid) : 0;
}

void SweepTempOutputs(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const pid_t owner = TempOutputOwner(name);
        if (owner == 0 || owner == ::getpid() || IsAlive(owner))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::getuid())
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

} // namespace rendix
