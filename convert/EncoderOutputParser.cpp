// The encoder output parser: header and encoding phases, progress and the
// log region of a run.
#include "convert/EncoderProcess.h"

#include <cctype>
#include <climits>
#include <cstdio>

namespace velmont {

namespace {

constexpr std::string_view kEndOfHeader = "Press [q] to stop encoding";
constexpr std::string_view kStatusMarker = "size=";
constexpr std::string_view kTimeMarker = "time=";
constexpr std::string_view kDurationMarker = "Duration: ";
constexpr std::string_view kBannerStart = "FFmpeg version SVN-r10087";
constexpr std::string_view kBannerEnd = "Enjoy it";
constexpr std::string_view kEncoderName = "FFmpeg";
constexpr std::size_t kMaxEncoderMessages = 4096;

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

void EncoderProcess::ShowEncoderOutput(std::string chunk) {
    const int start = logRegionStart_;
    std::string shown;

    if (!headerMode_) {
        const std::size_t status = chunk.rfind(kStatusMarker);
        if (status != std::string::npos) {
            shown = chunk.substr(status);
            const std::size_t time = chunk.find(kTimeMarker, status);
            if (time != std::string::npos) {
                const long long elapsed = ReadInteger(chunk, time + kTimeMarker.size());
                int percent = 30; // the length is not known
                bool inRange = true;
                if (duration_ != 0 && duration_ != kUnknownDuration) {
                    const double exact = static_cast<double>(elapsed) * 100.0 / duration_;
                    inRange = exact >= 1.0 && exact < 101.0;
                    percent = inRange ? static_cast<int>(exact) : 0;
                }
                if (inRange && list_)
                    list_->UpdateProgress(row_, progressColumn_, percent);
            }
        }
    } else {
        const std::size_t marker = chunk.find(kEndOfHeader);
        if (marker != std::string::npos) {
            // What follows the marker in this chunk is neither shown nor read.
            chunk.resize(marker);
            headerMode_ = false;
            encodingStarted_ = true;
            statusText_ += chunk;
            statusText_ += "\r\n";
            logRegionStart_ += static_cast<int>(statusText_.size());
            if (!clipMode_) {
                const std::size_t durationAt = chunk.find(kDurationMarker);
                if (durationAt != std::string::npos) {
                    int hours = 0;
                    int minutes = 0;
                    int seconds = 0;
                    std::sscanf(chunk.c_str() + durationAt + kDurationMarker.size(), "%2d:%2d:%2d",
                                &hours, &minutes, &seconds);
                    const int total = hours * 3600 + minutes * 60 + seconds;
                    if (total > 0)
                        duration_ = total;
                }
            }
        } else {
            statusText_ += chunk;
        }
        shown = statusText_;
    }
    ShowInLog(start, shown);
}

void EncoderProcess::ShowInLog(int start, const std::string& text) {
    if (!logView_)
        return;
    const int end = logView_->TextLength();
    logView_->SetSelection(start, end);
    logView_->ReplaceSelection(text);
    logView_->ScrollToEnd();
}

void EncoderProcess::CollectEncoderMessages(const std::string& chunk) {
    std::size_t lineStart = 0;
    while (lineStart <= chunk.size()) {
        std::size_t lineEnd = chunk.find_first_of("\r\n", lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = chunk.size();
        const std::string line = chunk.substr(lineStart, lineEnd - lineStart);
        const std::size_t status = line.find(kStatusMarker);
        if (status != std::string::npos) {
            lastStatusLine_ = line.substr(line.rfind(kStatusMarker));
        } else if (line.find_first_not_of(" \t") != std::string::npos) {
            encoderMessages_ += line;
            encoderMessages_ += "\r\n";
        }
        lineStart = lineEnd + 1;
    }
    if (encoderMessages_.size() > kMaxEncoderMessages)
        encoderMessages_.erase(0, encoderMessages_.size() - kMaxEncoderMessages);
}

void EncoderProcess::FilterEncoderBanner(std::string& chunk) {
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
