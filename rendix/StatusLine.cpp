#include "rendix/StatusLine.h"

#include "protocol/EncoderConsole.h"
#include "rendix/Console.h"

#include <cstdio>

namespace rendix {

std::string FormatStatus(const Status& s) {
    velmont::console::StatusFields fields;
    fields.hasVideo = s.hasVideo;
    fields.frames = s.frames;
    fields.kilobytes = (s.bytes + 1023) / 1024;
    fields.seconds = s.seconds > 0 ? s.seconds : 0;
    fields.kilobitsPerSecond = fields.seconds > 0 ? s.bytes * 8.0 / 1000.0 / fields.seconds : 0;
    return velmont::console::FormatStatusLine(fields);
}

std::string FormatSummary(std::int64_t videoBytes, std::int64_t audioBytes,
                          std::int64_t fileBytes) {
    char text[256];
    std::int64_t payload = videoBytes + audioBytes;
    double overhead = payload > 0 ? (fileBytes - payload) * 100.0 / payload : 0;
    std::snprintf(text, sizeof text, "%lldkB audio:%lldkB muxing overhead %.3f%%",
                  static_cast<long long>((videoBytes + 1023) / 1024),
                  static_cast<long long>((audioBytes + 1023) / 1024), overhead);
    return std::string(velmont::console::kSummaryStart) + text;
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
