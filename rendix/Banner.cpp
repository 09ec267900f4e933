#include "rendix/Banner.h"

#include "protocol/EncoderConsole.h"

#include <cstdio>
#include <sstream>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace rendix {

namespace {

std::string Version(const char* name, unsigned v) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %u.%u.%u", name, v >> 16, (v >> 8) & 0xff, v & 0xff);
    return text;
}

// Largest header piece that a pipe passes in one piece (PIPE_BUF).
constexpr std::size_t kAtomicWrite = 4096;

} // namespace

std::string BannerLine() {
    return "Rendix 1.0 on " + Version("libavutil", avutil_version()) + ", " +
           Version("libavcodec", avcodec_version()) + ", " +
           Version("libavformat", avformat_version()) + ", " +
           Version("libavfilter", avfilter_version()) + ", " +
           Version("libswscale", swscale_version()) + ", " +
           Version("libswresample", swresample_version()) + "\n";
}

std::string HeaderBody(const std::string& description, const std::string& warnings) {
    std::string end = warnings + std::string(velmont::console::kEndOfHeader) + "\n";
    std::string text = description + end;
    if (text.size() <= kAtomicWrite - 64)
        return text;
    // Long tag lists: drop the metadata lines, keep the descriptions.
    std::istringstream in(description);
    std::string kept;
    bool inMetadata = false;
    for (std::string line; std::getline(in, line);) {
        std::size_t indent = line.find_first_not_of(' ');
        if (line.find("Metadata:") != std::string::npos) {
            inMetadata = true;
            continue;
        }
        if (inMetadata && indent != std::string::npos && indent >= 4 &&
            line.find("Stream #") == std::string::npos &&
            line.find(velmont::console::kDurationField) == std::string::npos)
            continue;
        inMetadata = false;
        kept += line.substr(0, 200) + "\n";
    }
    text = kept + end;
    if (text.size() > kAtomicWrite - 64)
        text = text.substr(text.size() - (kAtomicWrite - 64));
    return text;
}

} // namespace rendix
