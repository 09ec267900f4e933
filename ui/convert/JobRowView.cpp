#include "ui/convert/JobRowView.h"

#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/LogEdit.h"

namespace velmont {

namespace {

constexpr const char* kWaitMessage = "Please wait for the conversion";

} // namespace

void JobRowView::OnStarted() {
    regionStart_ = log_.TextLength();
    text_ = kWaitMessage;
    statusLine_.clear();
    lastProgressLine_.clear();
    ShowRegion();
    list_.SetCurSel(row_, true);
    list_.UpdateProgress(row_, kProgressColumn, 0);
    SetRunning(true);
    SetLogCell("");
}

void JobRowView::OnHeaderText(const std::string& text) {
    text_ = text;
    ShowRegion();
}

void JobRowView::OnProgress(const JobProgress& progress) {
    statusLine_ = lastProgressLine_ = progress.statusLine;
    ShowRegion();
    if (progress.percent >= 0)
        list_.UpdateProgress(row_, kProgressColumn, progress.percent);
}

void JobRowView::OnEncoderMessage(const std::string& line) {
    // The encoder's closing lines follow its last status line.
    statusLine_ = lastProgressLine_.empty() ? line : lastProgressLine_ + "\r\n" + line;
    ShowRegion();
}

void JobRowView::OnPaused() {
    statusLine_.clear();
    ShowRegion();
    SetRunning(false);
    SetLogCell("Suspended!");
}

void JobRowView::OnResumed() {
    SetRunning(false);
    SetLogCell("");
}

void JobRowView::OnStopped() {
    statusLine_.clear();
    ShowRegion();
    SetRunning(false);
    list_.UpdateProgress(row_, kProgressColumn, 0);
    SetLogCell("Stopped!");
}

void JobRowView::OnFinished(JobOutcome outcome, const std::string& statusText) {
    switch (outcome) {
    case JobOutcome::Converted:
        SetRunning(false);
        list_.UpdateProgress(row_, kProgressColumn, 100);
        SetLogCell(statusText);
        break;
    case JobOutcome::Failed:
        text_ = statusText;
        statusLine_.clear();
        ShowRegion();
        SetRunning(false);
        list_.SetItemText(row_, kLogColumn, QString::fromStdString(statusText), Qt::white, Qt::red);
        break;
    case JobOutcome::Stopped:
    case JobOutcome::NotStarted:
    case JobOutcome::ReadFailed:
        // A row whose encoder never ran stays as it was: bold, at 0.
        break;
    }
}

void JobRowView::ShowRegion() {
    log_.SetSelection(regionStart_, log_.TextLength());
    log_.ReplaceSelection(text_ + statusLine_);
    log_.ScrollToEnd();
}

void JobRowView::SetRunning(bool running) {
    list_.SetBold(row_, kNameColumn, running);
}

void JobRowView::SetLogCell(const std::string& text) {
    list_.SetItemText(row_, kLogColumn, QString::fromStdString(text));
}

} // namespace velmont
