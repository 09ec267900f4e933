#include "platform/UserDirectories.h"

#include "platform/ModuleDirectory.h"
#include "platform/SmallFileRead.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace velmont {

namespace {

constexpr const char* kProgramFolderName = "velmont-converter";

// An environment variable's value when it names an absolute path; the
// conventions say relative values are to be ignored.
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/')
        return {};
    return value;
}

// One line of user-dirs.dirs: XDG_MUSIC_DIR="$HOME/Music", where only a
// leading $HOME/ or an absolute path is allowed.
std::string MusicDirFromLine(const std::string& line, const std::string& home) {
    const std::string key = "XDG_MUSIC_DIR=\"";
    if (line.rfind(key, 0) != 0)
        return {};
    const std::size_t end = line.rfind('"');
    if (end == std::string::npos || end < key.size())
        return {};
    std::string value = line.substr(key.size(), end - key.size());
    if (value.rfind("$HOME", 0) == 0)
        value = home + value.substr(value.size() > 5 && value[5] == '/' ? 6 : 5);
    if (value.empty() || value[0] != '/')
        return {};
    // "$HOME/" alone means the user switched the folder off.
    if (WithTrailingSeparator(value) == home)
        return {};
    return WithTrailingSeparator(value);
}

} // namespace

std::string HomeDirectory() {
    std::string home = AbsoluteFromEnvironment("HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    }
    return WithTrailingSeparator(home.empty() ? std::string("/") : home);
}

std::string UserConfigDirectory() {
    std::string base = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.empty())
        base = HomeDirectory() + ".config";
    return WithTrailingSeparator(WithTrailingSeparator(base) + kProgramFolderName);
}

std::string UserMusicDirectory() {
    const std::string home = HomeDirectory();
    std::string configBase = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (configBase.empty())
        configBase = home + ".config";
    std::string bytes;
    if (ReadSmallRegularFile(WithTrailingSeparator(configBase) + "user-dirs.dirs", bytes)) {
        std::istringstream lines(bytes);
        for (std::string line; std::getline(lines, line);) {
            if (std::string music = MusicDirFromLine(line, home); !music.empty())
                return music;
        }
    }
    return home + "Music/";
}

bool IsWritableDirectory(const std::string& directory) {
    struct stat info {};
    if (directory.empty() || stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    return faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool MakePrivateDirectories(const std::string& directory) {
    if (directory.empty())
        return false;
    std::string partial;
    std::size_t from = 0;
    while (from <= directory.size()) {
        const std::size_t slash = directory.find('/', from);
        const std::size_t end = slash == std::string::npos ? directory.size() : slash;
        partial = directory.substr(0, end);
        if (!partial.empty() && mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
        from = slash + 1;
    }
    struct stat info {};
    return stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace velmont
