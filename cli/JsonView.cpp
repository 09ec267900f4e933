#include "cli/JsonView.h"

#include <cstdio>

namespace velmont::cli {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += char(c); // UTF-8 passes as it is
        }
    }
    return out + "\"";
}

const char* OutcomeName(JobOutcome outcome) {
    switch (outcome) {
    case JobOutcome::Converted:
        return "converted";
    case JobOutcome::Failed:
        return "failed";
    case JobOutcome::Stopped:
        return "stopped";
    case JobOutcome::NotStarted:
        return "not-started";
    case JobOutcome::ReadFailed:
        return "read-failed";
    }
    return "failed";
}

void JsonView::PrintLine(const std::string& line) {
    std::lock_guard lock(mutex_);
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void JsonView::Started(std::size_t file) {
    PrintLine("{\"event\":\"started\",\"file\":" + std::to_string(file) +
              ",\"input\":" + JsonString(files_.at(file).input) +
              ",\"output\":" + JsonString(files_.at(file).output) + "}");
}

void JsonView::Progress(std::size_t file, const JobProgress& progress) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers,
                  "\"percent\":%d,\"seconds\":%.2f,\"speed\":%.2f,\"secondsLeft\":%.1f",
                  progress.percent, progress.seconds, progress.speed, progress.secondsLeft);
    PrintLine("{\"event\":\"progress\",\"file\":" + std::to_string(file) + "," + numbers + "}");
}

void JsonView::Finished(std::size_t file, JobOutcome outcome, const std::string& message) {
    PrintLine("{\"event\":\"finished\",\"file\":" + std::to_string(file) +
              ",\"input\":" + JsonString(files_.at(file).input) +
              ",\"output\":" + JsonString(files_.at(file).output) + ",\"outcome\":\"" +
              OutcomeName(outcome) + "\",\"message\":" + JsonString(message) + "}");
}

void JsonView::OutputRenamed(std::size_t file, const std::string& path) {
    std::lock_guard lock(mutex_);
    files_.at(file).output = path;
}

} // namespace velmont::cli
