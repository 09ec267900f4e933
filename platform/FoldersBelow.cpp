#include "platform/FoldersBelow.h"

#include <cerrno>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmont {

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

bool SplitSteps(const std::string& relative, std::vector<std::string>& steps) {
    if (!relative.empty() && relative.front() == '/')
        return false;
    std::istringstream parts(relative);
    for (std::string step; std::getline(parts, step, '/');) {
        if (step == "." || step == "..")
            return false;
        if (!step.empty())
            steps.push_back(step);
    }
    return true;
}

// Opens the folder `name` inside `parent`, making it first when missing.
int OpenStep(int parent, const std::string& name) {
    if (::mkdirat(parent, name.c_str(), 0777) != 0 && errno != EEXIST)
        return -1;
    return ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

std::error_code MakeFoldersBelow(const std::string& base, const std::string& relative) {
    std::vector<std::string> steps;
    if (!SplitSteps(relative, steps))
        return std::make_error_code(std::errc::invalid_argument);
    int folder = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return LastError();
    for (const std::string& step : steps) {
        const int next = OpenStep(folder, step);
        const std::error_code error = next < 0 ? LastError() : std::error_code();
        ::close(folder);
        if (next < 0)
            return error;
        folder = next;
    }
    ::close(folder);
    return {};
}

} // namespace velmont
