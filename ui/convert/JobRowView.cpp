#include "ui/convert/JobRowView.h"

#include "convert/FormatClock.h"
#include "convert/ResultLine.h"
#include "model/FormatId.h"
#include "ui/widgets/CXListCtrl.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace velmont {

namespace {

constexpr const char* kWaitMessage =
    QT_TRANSLATE_NOOP("velmont::JobRowView", "Please wait for the conversion");
constexpr const char* kWrittenAs = QT_TRANSLATE_NOOP("velmont::JobRowView", "Written as: %1");

std::string WrittenAsText(const std::string& name) {
    return QCoreApplication::translate("velmont::JobRowView", kWrittenAs)
        .arg(QString::fromStdString(name))
        .toStdString();
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

// "2.3x, 0:42 left": short enough for the Log column.
std::string SpeedText(const JobProgress& progress) {
    char text[64];
    if (progress.secondsLeft >= 0)
        std::snprintf(text, sizeof text, "%.1fx, %s left", progress.speed,
                      FormatClock(progress.secondsLeft).c_str());
    else
        std::snprintf(text, sizeof text, "%.1fx", progress.speed);
    return text;
}

} // namespace

JobRowView::JobRowView(CXListCtrl& list, int row, int duration, bool selectOnStart,
                       std::function<void(int)> logChanged)
    : list_(list), row_(row), duration_(duration == kUnknownDuration ? 0 : duration),
      selectOnStart_(selectOnStart), logChanged_(std::move(logChanged)) {}

double JobRowView::SecondsDone() const {
    return endedByItself_ ? duration_ : std::min<double>(secondsDone_, duration_);
}

void JobRowView::OnStarted() {
    text_ = QCoreApplication::translate("velmont::JobRowView", kWaitMessage).toStdString();
    statusLine_.clear();
    lastProgressLine_.clear();
    writtenAs_.clear();
    writtenAsLine_.clear();
    secondsDone_ = 0;
    endedByItself_ = false;
    failed_ = false;
    running_ = true;
    if (selectOnStart_)
        list_.SetCurSel(row_, true);
    list_.UpdateProgress(row_, kProgressColumn, 0);
    SetBold(true);
    SetLogCell("");
    LogChanged();
}

void JobRowView::OnHeaderText(const std::string& text) {
    text_ = text;
    LogChanged();
}

void JobRowView::OnDurationKnown(int seconds) {
    duration_ = seconds;
}

void JobRowView::OnProgress(const JobProgress& progress) {
    statusLine_ = lastProgressLine_ = progress.statusLine;
    secondsDone_ = progress.seconds;
    if (progress.percent >= 0)
        list_.UpdateProgress(row_, kProgressColumn, progress.percent);
    if (progress.speed > 0)
        SetLogCell(SpeedText(progress));
    LogChanged();
}

void JobRowView::OnEncoderMessage(const std::string&) {
    // A warning is no progress: the status line goes until the next one
    // comes. A failed run's text keeps the encoder's last words.
    statusLine_.clear();
    LogChanged();
}

void JobRowView::OnOutputRenamed(const std::string& path) {
    // Another file took the planned name meanwhile: the user looks for this one.
    writtenAs_ = path;
    writtenAsLine_ = "\r\n" + WrittenAsText(path);
    const QString source = list_.GetItemToolTipText(row_, kNameColumn);
    list_.SetItemToolTipText(row_, kNameColumn,
                             source + "\n" + QString::fromStdString(WrittenAsText(path)));
    LogChanged();
}

void JobRowView::OnPaused() {
    statusLine_.clear();
    SetBold(false);
    SetLogCell(QCoreApplication::translate("velmont::JobRowView", "Suspended!").toStdString());
    LogChanged();
}

void JobRowView::OnResumed() {
    SetBold(false);
    SetLogCell("");
}

void JobRowView::OnStopped() {
    statusLine_.clear();
    running_ = false;
    SetBold(false);
    list_.UpdateProgress(row_, kProgressColumn, 0);
    SetLogCell(QCoreApplication::translate("velmont::JobRowView", "Stopped!").toStdString());
    LogChanged();
}

void JobRowView::OnFinished(JobOutcome outcome, const std::string& statusText) {
    switch (outcome) {
    case JobOutcome::Converted:
        endedByItself_ = true;
        running_ = false;
        // What the run collected stays, with where it ended.
        text_ = statusText;
        statusLine_ = lastProgressLine_;
        SetBold(false);
        list_.UpdateProgress(row_, kProgressColumn, 100);
        SetLogCell(EndOfRun(statusText));
        LogChanged();
        break;
    case JobOutcome::Failed:
        endedByItself_ = true;
        failed_ = true;
        text_ = statusText;
        statusLine_.clear();
        running_ = false;
        SetBold(false);
        list_.SetItemText(row_, kLogColumn, QString::fromStdString(ErrorLineOf(statusText)),
                          Qt::white, Qt::red);
        LogChanged();
        break;
    case JobOutcome::Stopped:
    case JobOutcome::NotStarted:
    case JobOutcome::ReadFailed:
        // A row whose encoder never ran stays as it was: bold, at 0.
        running_ = false;
        break;
    }
}

std::string JobRowView::EndOfRun(const std::string& statusText) const {
    // The cell holds one line: how the run ended, not its header; a name
    // other than the planned one matters more than the last status line.
    if (!writtenAs_.empty())
        return WrittenAsText(FileNameOf(writtenAs_));
    return lastProgressLine_.empty() ? LastLineOf(statusText) : lastProgressLine_;
}

void JobRowView::SetBold(bool bold) {
    list_.SetBold(row_, kNameColumn, bold);
}

void JobRowView::SetLogCell(const std::string& text) {
    list_.SetItemText(row_, kLogColumn, QString::fromStdString(text));
}

} // namespace velmont
