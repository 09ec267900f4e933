#include "ui/main/OutputNames.h"

#include "platform/ModuleDirectory.h"

#include <algorithm>

namespace velmont {

std::string FileNameOfPath(const std::string& path) {
    const std::size_t separator = path.find_last_of(kPathSeparator);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string WithoutLastExtension(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

std::string CleanTypedOutputName(const std::string& typed) {
    std::string name = typed.substr(0, typed.find('.'));
    std::replace(name.begin(), name.end(), kPathSeparator, '_');
    return name;
}

} // namespace velmont
