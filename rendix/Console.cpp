#include "rendix/Console.h"

#include <cerrno>
#include <mutex>
#include <unistd.h>

extern "C" {
#include <libavutil/log.h>
}

namespace rendix {

namespace {

std::mutex& LogMutex() {
    static std::mutex mutex;
    return mutex;
}

bool capturing = false;
std::string captured;
int printPrefix = 1;

void LogCallback(void* avcl, int level, const char* format, va_list args) {
    std::lock_guard<std::mutex> lock(LogMutex());
    if (!capturing && level > AV_LOG_WARNING)
        return;
    if (capturing && level > AV_LOG_INFO)
        return;
    char line[2048];
    av_log_format_line2(avcl, level, format, args, line, sizeof line, &printPrefix);
    if (capturing)
        captured += line;
    else
        WriteOut(line);
}

} // namespace

void WriteOut(const std::string& text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(STDOUT_FILENO, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // reader gone: nothing useful left to do with the text
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
}

void InstallLibraryLog() {
    av_log_set_callback(LogCallback);
}

void BeginLogCapture() {
    std::lock_guard<std::mutex> lock(LogMutex());
    capturing = true;
    captured.clear();
}

std::string EndLogCapture() {
    std::lock_guard<std::mutex> lock(LogMutex());
    capturing = false;
    return std::move(captured);
}

} // namespace rendix
