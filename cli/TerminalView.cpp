#include "cli/TerminalView.h"

#include "cli/NameText.h"
#include "convert/FormatClock.h"
#include "model/Utf8Cut.h"

#include <algorithm>
#include <cstdio>

namespace velmont::cli {

namespace {

constexpr int kBarWidth = 24;
constexpr std::size_t kNameWidth = 22;

std::string Bar(double fraction) {
    const int filled = std::clamp(int(fraction * kBarWidth + 0.5), 0, kBarWidth);
    return "[" + std::string(std::size_t(filled), '#') +
           std::string(std::size_t(kBarWidth - filled), '.') + "]";
}

std::string Clock(double seconds) {
    return seconds < 0 ? "--:--" : FormatClock(seconds);
}

std::string ShortName(const std::string& path) {
    std::string name = PrintableText(path.substr(path.find_last_of('/') + 1));
    if (name.size() > kNameWidth)
        name = CutUtf8(name, kNameWidth - 3) + "...";
    name.resize(kNameWidth, ' ');
    return name;
}

std::string FileLine(const std::string& input, const JobProgress& progress) {
    char tail[96];
    std::snprintf(tail, sizeof tail, " %3d%%  %5.1fx  %s left", std::max(progress.percent, 0),
                  progress.speed, Clock(progress.secondsLeft).c_str());
    return ShortName(input) + " " + Bar(std::max(progress.percent, 0) / 100.0) + tail;
}

} // namespace

TerminalView::TerminalView(std::vector<BatchFile> files)
    : files_(std::move(files)), start_(std::chrono::steady_clock::now()) {}

void TerminalView::EraseLocked() {
    if (drawnLines_ > 0)
        std::fprintf(stderr, "\x1b[%dA", drawnLines_);
    std::fputs("\r\x1b[J", stderr); // erase from the cursor to the end of the screen
    drawnLines_ = 0;
}

std::string TerminalView::BatchLineLocked() const {
    double done = double(finished_);
    for (const auto& [file, progress] : running_)
        done += std::max(progress.percent, 0) / 100.0;
    const double fraction = files_.empty() ? 1.0 : done / double(files_.size());
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double left = fraction > 0.01 ? elapsed * (1 - fraction) / fraction : -1;
    char head[64];
    std::snprintf(head, sizeof head, "%zu of %zu files", finished_, files_.size());
    char tail[96];
    std::snprintf(tail, sizeof tail, " %3d%%  %s elapsed  %s left%s", int(fraction * 100),
                  Clock(elapsed).c_str(), Clock(left).c_str(), paused_ ? "  (paused)" : "");
    return ShortName(head) + " " + Bar(fraction) + tail;
}

void TerminalView::DrawLocked() {
    for (const auto& [file, progress] : running_) {
        std::fprintf(stderr, "%s\n", FileLine(files_.at(file).input, progress).c_str());
        ++drawnLines_;
    }
    std::fprintf(stderr, "%s\n", BatchLineLocked().c_str());
    ++drawnLines_;
    if (probed_ < toProbe_) {
        std::fprintf(stderr, "Probing %zu of %zu files\n", probed_, toProbe_);
        ++drawnLines_;
    }
    std::fflush(stderr);
}

void TerminalView::Started(std::size_t file) {
    std::lock_guard lock(mutex_);
    EraseLocked();
    running_[file] = JobProgress{0, 0, 0, -1, {}};
    DrawLocked();
}

void TerminalView::Progress(std::size_t file, const JobProgress& progress) {
    std::lock_guard lock(mutex_);
    EraseLocked();
    running_[file] = progress;
    DrawLocked();
}

void TerminalView::Finished(std::size_t file, JobOutcome outcome, const std::string& message) {
    std::lock_guard lock(mutex_);
    EraseLocked();
    running_.erase(file);
    const BatchFile& batchFile = files_.at(file);
    if (outcome == JobOutcome::Converted) {
        ++finished_;
        std::fprintf(stderr, "done    %s -> %s\n", PrintableText(batchFile.input).c_str(),
                     PrintableText(batchFile.output).c_str());
    } else if (outcome == JobOutcome::Stopped) {
        std::fprintf(stderr, "stopped %s\n", PrintableText(batchFile.input).c_str());
    } else {
        ++finished_;
        std::fprintf(stderr, "FAILED  %s: %s\n", PrintableText(batchFile.input).c_str(),
                     PrintableText(message).c_str());
    }
    DrawLocked();
}

void TerminalView::Paused(bool paused) {
    std::lock_guard lock(mutex_);
    paused_ = paused;
    EraseLocked();
    DrawLocked();
}

void TerminalView::Probed(std::size_t done, std::size_t total) {
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(mutex_);
    probed_ = done;
    toProbe_ = total;
    if (now - probeDrawn_ < std::chrono::milliseconds(100) && done < total)
        return;
    probeDrawn_ = now;
    EraseLocked();
    DrawLocked();
}

void TerminalView::OutputRenamed(std::size_t file, const std::string& path) {
    std::lock_guard lock(mutex_);
    files_.at(file).output = path;
}

} // namespace velmont::cli
