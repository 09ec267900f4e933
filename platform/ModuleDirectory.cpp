#include "platform/ModuleDirectory.h"

#include <filesystem>
#include <system_error>

namespace velmont {

std::string WithTrailingSeparator(std::string directory) {
    if (!directory.empty() && directory.back() != kPathSeparator)
        directory += kPathSeparator;
    return directory;
}

std::string GetModuleDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !std::filesystem::exists(executable, error))
        return {};
    return WithTrailingSeparator(executable.parent_path().string());
}

} // namespace velmont
