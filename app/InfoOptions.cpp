#include "InfoOptions.h"

#include <string_view>

namespace velmont {

namespace {

constexpr const char* kHelp =
    "Usage: velmont-converter [FILE|FOLDER]...\n"
    "Opens the converter's window with the files in its list; a folder adds the\n"
    "media files directly inside it, as a folder dropped on the window does.\n"
    "\n"
    "  -h, --help     Show this help and exit.\n"
    "  -V, --version  Show the version and exit.\n"
    "\n"
    "Qt's own options (such as -platform offscreen) are accepted too.\n"
    "velmont-cli converts without a window.\n";

} // namespace

std::optional<std::string> InfoRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == "--help" || argument == "-h")
            return kHelp;
        if (argument == "--version" || argument == "-V")
            return "velmont-converter " VELMONT_VERSION "\n";
    }
    return std::nullopt;
}

} // namespace velmont
