#include "convert/EncoderOutputParser.h"

#include "model/FormatId.h"
#include "protocol/EncoderConsole.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace velmont {

namespace {

using console::kDurationField;
using console::kEndOfHeader;
using console::kSizeField;
using console::kSummaryStart;
using console::kTimeField;
using console::kWrittenAs;
constexpr std::string_view kBannerStart = "FFmpeg version SVN-r10087";
constexpr std::string_view kBannerEnd = "Enjoy it";
constexpr std::string_view kEncoderName = "FFmpeg";
constexpr std::size_t kMaxEncoderMessages = 4096;
// A line longer than this is no status line; keep memory bounded.
constexpr std::size_t kMaxPendingLine = 64 * 1024;
constexpr const char* kSuspendedLog = "\r\nSuspended!\r\n";
constexpr const char* kStoppedLog = "\r\nStopped!\r\n";
// The length is unknown: a status line shows this much progress.
constexpr int kUnknownLengthPercent = 30;

// The integer at text[position]: leading blanks, an optional sign, digits
// up to the first non-digit (123.45 gives 123). Saturates instead of
// overflowing.
long long ReadInteger(const std::string& text, std::size_t position) {
    while (position < text.size() && std::isspace(static_cast<unsigned char>(text[position])))
        ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    long long value = 0;
    while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position]))) {
        if (value < LLONG_MAX / 100)
            value = value * 10 + (text[position] - '0');
        ++position;
    }
    return negative ? -value : value;
}

} // namespace

void EncoderOutputParser::Begin(int duration, bool clip) {
    duration_ = duration;
    clip_ = clip;
    headerMode_ = true;
    encodingStarted_ = false;
    outputInPlace_ = false;
    skipRestOfLine_ = false;
    statusText_.clear();
    pendingLine_.clear();
    lastStatusLine_.clear();
    encoderMessages_.clear();
}

void EncoderOutputParser::Feed(std::string_view piece, double activeSeconds) {
    if (headerMode_) {
        FeedHeader(piece, activeSeconds);
        return;
    }
    for (const char c : piece) {
        if (skipRestOfLine_) {
            skipRestOfLine_ = c != '\r' && c != '\n';
            continue;
        }
        if (c != '\r' && c != '\n') {
            if (pendingLine_.size() < kMaxPendingLine)
                pendingLine_ += c;
            continue;
        }
        HandleLine(pendingLine_, activeSeconds);
        pendingLine_.clear();
    }
}

void EncoderOutputParser::Flush(double activeSeconds) {
    if (headerMode_ || pendingLine_.empty())
        return;
    HandleLine(pendingLine_, activeSeconds);
    pendingLine_.clear();
}

void EncoderOutputParser::FeedHeader(std::string_view piece, double activeSeconds) {
    if (piece.empty())
        return;
    // The marker may have begun in an earlier piece.
    const std::size_t searchFrom = statusText_.size() >= kEndOfHeader.size()
                                       ? statusText_.size() - kEndOfHeader.size() + 1
                                       : 0;
    statusText_ += piece;
    const std::size_t marker =
        encodingStarted_ ? std::string::npos : statusText_.find(kEndOfHeader, searchFrom);
    if (marker == std::string::npos) {
        events_.OnHeaderText(statusText_);
        return;
    }
    // The rest of the marker's line is neither shown nor read; the lines
    // after it are the first of the encoding phase.
    const std::string after = statusText_.substr(marker + kEndOfHeader.size());
    statusText_.resize(marker);
    statusText_ += "\r\n";
    headerMode_ = false;
    encodingStarted_ = true;
    skipRestOfLine_ = true;
    ReadDuration();
    events_.OnHeaderText(statusText_);
    Feed(after, activeSeconds);
}

void EncoderOutputParser::ReadDuration() {
    if (clip_)
        return;
    const std::size_t at = statusText_.find(kDurationField);
    if (at == std::string::npos)
        return;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    std::sscanf(statusText_.c_str() + at + kDurationField.size(), "%2d:%2d:%2d", &hours, &minutes,
                &seconds);
    const int total = hours * 3600 + minutes * 60 + seconds;
    if (total <= 0)
        return;
    duration_ = total;
    events_.OnDurationKnown(total);
}

void EncoderOutputParser::HandleLine(const std::string& line, double activeSeconds) {
    const std::size_t status = line.rfind(kSizeField);
    if (status != std::string::npos) {
        lastStatusLine_ = line.substr(status);
        events_.OnProgress(ProgressOf(lastStatusLine_, activeSeconds));
        return;
    }
    if (line.find_first_not_of(" \t") == std::string::npos)
        return;
    const bool renamed = line.starts_with(kWrittenAs);
    if (renamed)
        events_.OnOutputRenamed(line.substr(kWrittenAs.size()));
    if (renamed || line.starts_with(kSummaryStart))
        outputInPlace_ = true;
    encoderMessages_ += line;
    encoderMessages_ += "\r\n";
    if (encoderMessages_.size() > kMaxEncoderMessages)
        encoderMessages_.erase(0, encoderMessages_.size() - kMaxEncoderMessages);
    events_.OnEncoderMessage(line);
}

JobProgress EncoderOutputParser::ProgressOf(const std::string& statusLine,
                                            double activeSeconds) const {
    JobProgress progress;
    progress.statusLine = statusLine;
    const std::size_t time = statusLine.find(kTimeField);
    if (time == std::string::npos)
        return progress;
    const std::size_t valueAt = time + kTimeField.size();
    progress.seconds = std::max(0.0, std::strtod(statusLine.c_str() + valueAt, nullptr));
    const bool lengthKnown = duration_ != 0 && duration_ != kUnknownDuration;
    if (!lengthKnown) {
        progress.percent = kUnknownLengthPercent;
    } else {
        const long long elapsed = ReadInteger(statusLine, valueAt);
        const double exact = static_cast<double>(elapsed) * 100.0 / duration_;
        if (exact >= 1.0 && exact < 101.0)
            progress.percent = static_cast<int>(exact);
    }
    if (activeSeconds > 0 && progress.seconds > 0) {
        progress.speed = progress.seconds / activeSeconds;
        if (lengthKnown)
            progress.secondsLeft = std::max(0.0, (duration_ - progress.seconds) / progress.speed);
    }
    return progress;
}

void EncoderOutputParser::AddMessage(const std::string& text) {
    headerMode_ = true;
    pendingLine_.clear();
    statusText_ += text;
    events_.OnHeaderText(statusText_);
}

void EncoderOutputParser::NotePaused() {
    if (!encodingStarted_)
        AddMessage(kSuspendedLog);
}

void EncoderOutputParser::NoteStopped() {
    AddMessage(kStoppedLog);
}

void EncoderOutputParser::NoteEnded(bool succeeded) {
    if (succeeded || !encodingStarted_ || encoderMessages_.empty())
        return;
    // Encoding-phase messages are not part of the header; put them below
    // the last status line so the failure can be read.
    std::string tail = lastStatusLine_.empty() ? "" : lastStatusLine_ + "\r\n";
    tail += encoderMessages_;
    statusText_ += tail;
    events_.OnHeaderText(statusText_);
}

void FilterEncoderBanner(std::string& chunk) {
    const std::size_t bannerStart = chunk.find(kBannerStart);
    if (bannerStart != std::string::npos) {
        const std::size_t bannerEnd = chunk.find(kBannerEnd, bannerStart);
        if (bannerEnd != std::string::npos) {
            std::size_t cutEnd = bannerEnd + kBannerEnd.size();
            // Only a line break that is really there goes with the banner.
            if (cutEnd < chunk.size() && chunk[cutEnd] == '\r')
                ++cutEnd;
            if (cutEnd < chunk.size() && chunk[cutEnd] == '\n')
                ++cutEnd;
            chunk.erase(bannerStart, cutEnd - bannerStart);
        }
    }
    for (std::size_t at = chunk.find(kEncoderName); at != std::string::npos;
         at = chunk.find(kEncoderName, at))
        chunk.replace(at, kEncoderName.size(), kEncoderName.size(), ' ');
}

} // namespace velmont
