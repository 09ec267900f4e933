#include "platform/RuntimeDirectory.h"

#include "platform/ModuleDirectory.h"
#include "platform/RuntimeFolderSweep.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velmont {

namespace {

// XDG_RUNTIME_DIR must be ours and private; otherwise the conventions say
// to fall back to another place.
bool IsOwnPrivateFolder(const char* path) {
    struct stat info {};
    return path && path[0] == '/' && stat(path, &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

std::string BaseFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (IsOwnPrivateFolder(runtime))
        return runtime;
    const char* temporary = std::getenv("TMPDIR");
    if (temporary && temporary[0] == '/')
        return temporary;
    return "/tmp";
}

struct OwnedFolder {
    std::string path;
    OwnedFolder() {
        const std::string base = WithTrailingSeparator(BaseFolder());
        // A converter killed earlier could not remove its folder.
        SweepAbandonedRuntimeFolders(base);
        std::string pattern = base + "velmont-converter-XXXXXX";
        if (mkdtemp(pattern.data())) { // mode 0700
            path = WithTrailingSeparator(pattern);
            MarkRuntimeFolderInUse(path);
        }
    }
    // Links inside are removed, never followed.
    ~OwnedFolder() {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

std::string PrivateRuntimeDirectory() {
    static const OwnedFolder folder;
    return folder.path;
}

} // namespace velmont
