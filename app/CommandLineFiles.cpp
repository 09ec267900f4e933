#include "CommandLineFiles.h"

#include <filesystem>
#include <system_error>

namespace velmont {

std::vector<std::string> CommandLineFiles(int argc, char** argv) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument.empty())
            continue;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
        files.push_back(error ? argument : absolute.lexically_normal().string());
    }
    return files;
}

} // namespace velmont
