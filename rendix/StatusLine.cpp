#include "rendix/StatusLine.h"

#include "rendix/Console.h"

#include <cstdio>

namespace rendix {

std::string FormatStatus(const Status& s) {
    char text[256];
    double seconds = s.seconds > 0 ? s.seconds : 0;
    double kbits = seconds > 0 ? s.bytes * 8.0 / 1000.0 / seconds : 0;
    long long kB = static_cast<long long>((s.bytes + 1023) / 1024);
    if (s.hasVideo)
        std::snprintf(text, sizeof text, "frame=%5lld size=%8lldkB time=%.2f bitrate=%6.1fkbits/s",
                      static_cast<long long>(s.frames), kB, seconds, kbits);
    else
        std::snprintf(text, sizeof text, "size=%8lldkB time=%.2f bitrate=%6.1fkbits/s", kB, seconds,
                      kbits);
    return text;
}

std::string FormatSummary(std::int64_t videoBytes, std::int64_t audioBytes,
                          std::int64_t fileBytes) {
    char text[256];
    std::int64_t payload = videoBytes + audioBytes;
    double overhead = payload > 0 ? (fileBytes - payload) * 100.0 / payload : 0;
    std::snprintf(text, sizeof text, "video:%lldkB audio:%lldkB muxing overhead %.3f%%",
                  static_cast<long long>((videoBytes + 1023) / 1024),
                  static_cast<long long>((audioBytes + 1023) / 1024), overhead);
    return text;
}

void StatusPrinter::Update(const Status& status) {
    auto now = std::chrono::steady_clock::now();
    if (printed_ && now - last_ < std::chrono::milliseconds(500))
        return;
    printed_ = true;
    last_ = now;
    WriteOut(FormatStatus(status) + "\r");
}

void StatusPrinter::Final(const Status& status) {
    WriteOut(FormatStatus(status) + "\r\n");
}

} // namespace rendix
