#include "platform/PrivateFolder.h"

#include "platform/RuntimeDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace velmont {

PrivateFolder::PrivateFolder(const std::string& prefix) {
    // Inside this process's own private folder, so its place and rights are
    // chosen in one spot.
    const std::string parent = PrivateRuntimeDirectory();
    if (parent.empty())
        return;
    std::string pattern = parent + prefix + "-XXXXXX";
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
