#include "ui/widgets/LogEdit.h"

namespace velmont {

LogEdit::LogEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
}

int LogEdit::TextLength() const {
    std::lock_guard lock(mutex_);
    return int(text_.size());
}

void LogEdit::SetSelection(int start, int end) {
    std::lock_guard lock(mutex_);
    selectionStart_ = start;
    selectionEnd_ = end;
}

void LogEdit::ReplaceSelection(const std::string&) {}
void LogEdit::ScrollToEnd() {}

std::string LogEdit::Text() const {
    std::lock_guard lock(mutex_);
    return text_;
}

void LogEdit::Clear() {}
void LogEdit::RequestSync() {}
void LogEdit::Sync() {}

} // namespace velmont
