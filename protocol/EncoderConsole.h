#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// What Rendix prints on its console and the converter reads from it
// (EncoderOutputParser). Both programs build from these definitions, so the
// writer and the reader cannot drift apart. Header-only: Rendix takes it
// without linking the converter's core.
namespace velmont::console {

// Ends the header; the lines after it belong to the encoding phase.
inline constexpr std::string_view kEndOfHeader = "Press [q] to stop encoding";
// The header's source length, "  Duration: hh:mm:ss.cc" as libavformat
// describes the input.
inline constexpr std::string_view kDurationField = "Duration: ";
// "Written as: <path>\n" after a successful run whose output was put beside
// an existing file under a free name instead of at the path it was given.
inline constexpr std::string_view kWrittenAs = "Written as: ";
// The summary "video:12kB audio:34kB muxing overhead 1.234%" is the last
// line of a run, printed only once its output is in place.
inline constexpr std::string_view kSummaryStart = "video:";

// A status line, ended by '\r' (its last one by "\r\n"):
//   "frame=   50 size=      12kB time=2.00 bitrate=  49.2kbits/s"
// frame= only when the output has video. A line holding size= is a status
// line; time= is the output position in seconds.
inline constexpr std::string_view kFrameField = "frame=";
inline constexpr std::string_view kSizeField = "size=";
inline constexpr std::string_view kTimeField = "time=";
inline constexpr std::string_view kBitrateField = "bitrate=";

struct StatusFields {
    bool hasVideo = false;
    std::int64_t frames = 0;
    std::int64_t kilobytes = 0;
    double seconds = 0; // output position
    double kilobitsPerSecond = 0;
};

inline std::string RightAligned(std::int64_t value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*lld", width, static_cast<long long>(value));
    return text;
}

inline std::string RightAligned(double value, int width, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

// The status line without its '\r'.
inline std::string FormatStatusLine(const StatusFields& status) {
    std::string line;
    if (status.hasVideo)
        line.append(kFrameField).append(RightAligned(status.frames, 5)).append(" ");
    line.append(kSizeField).append(RightAligned(status.kilobytes, 8)).append("kB ");
    line.append(kTimeField).append(RightAligned(status.seconds, 0, 2)).append(" ");
    line.append(kBitrateField).append(RightAligned(status.kilobitsPerSecond, 6, 1));
    return line.append("kbits/s");
}

} // namespace velmont::console
