#include "platform/PrivateFolder.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace velmont {

namespace {

std::string TemporaryRoot() {
    for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* value = std::getenv(variable);
        std::error_code error;
        if (value && *value && std::filesystem::is_directory(value, error))
            return value;
    }
    return "/tmp";
}

} // namespace

PrivateFolder::PrivateFolder(const std::string& prefix) {
    std::string pattern = TemporaryRoot() + "/" + prefix + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    // mkdtemp makes the folder 0700 and never reuses an existing name.
    if (mkdtemp(buffer.data()))
        path_ = std::string(buffer.data()) + "/";
}

PrivateFolder::~PrivateFolder() {
    if (path_.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace velmont
