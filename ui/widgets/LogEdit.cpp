#include "ui/widgets/LogEdit.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace velmont {

namespace {

// Decoded for the widget. A carriage return would start a line of its own
// in the document; a zero-width space keeps the one-to-one positions.
QString ForWidget(const std::string& bytes, std::size_t from, std::size_t to) {
    QString text = QString::fromUtf8(bytes.data() + from, qsizetype(to - from));
    text.replace(QChar(u'\r'), QChar(0x200B));
    return text;
}

int Utf16Length(const std::string& bytes, std::size_t from, std::size_t to) {
    return int(QString::fromUtf8(bytes.data() + from, qsizetype(to - from)).size());
}

// Just after the last line break before `offset` (0 when there is none).
// Decoding restarts cleanly there, whatever bytes came before.
std::size_t LineStartBefore(const std::string& bytes, std::size_t offset) {
    if (offset == 0)
        return 0;
    const std::size_t lineBreak = bytes.rfind('\n', offset - 1);
    return lineBreak == std::string::npos ? 0 : lineBreak + 1;
}

} // namespace

LogEdit::LogEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

int LogEdit::TextLength() const {
    return int(text_.size());
}

void LogEdit::SetSelection(int start, int end) {
    const int length = int(text_.size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    selectionStart_ = std::min(start, end);
    selectionEnd_ = std::max(start, end);
}

void LogEdit::ReplaceSelection(const std::string& text) {
    const auto start = std::size_t(selectionStart_);
    const auto end = std::size_t(selectionEnd_);
    text_.replace(start, end - start, text);
    selectionStart_ = selectionEnd_ = int(start + text.size());
    dirtyFrom_ = std::min(dirtyFrom_, start);
    Sync();
}

void LogEdit::ScrollToEnd() {
    scrollPending_ = true;
    Sync();
}

std::string LogEdit::Text() const {
    return text_;
}

void LogEdit::SetText(const std::string& text) {
    const std::size_t common =
        std::mismatch(text_.begin(), text_.end(), text.begin(), text.end()).first - text_.begin();
    if (common == text_.size() && common == text.size())
        return;
    text_ = text;
    selectionStart_ = selectionEnd_ = int(text_.size());
    dirtyFrom_ = std::min(dirtyFrom_, common);
    Sync();
}

void LogEdit::Clear() {
    text_.clear();
    selectionStart_ = selectionEnd_ = 0;
    dirtyFrom_ = 0;
    Sync();
}

void LogEdit::Sync() {
    if (dirtyFrom_ != std::string::npos) {
        // Everything before the changed line is still what the widget shows.
        const std::size_t from = LineStartBefore(text_, std::min(dirtyFrom_, text_.size()));
        if (syncedBytes_ > from) {
            syncedBytes_ = 0;
            syncedUtf16_ = 0;
        }
        const int fromUtf16 = syncedUtf16_ + Utf16Length(text_, syncedBytes_, from);

        QTextCursor cursor(document());
        const int documentEnd = std::max(0, document()->characterCount() - 1);
        cursor.setPosition(std::min(fromUtf16, documentEnd));
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.insertText(ForWidget(text_, from, text_.size()));

        const std::size_t lastLine = LineStartBefore(text_, text_.size());
        syncedBytes_ = std::max(from, lastLine);
        syncedUtf16_ = fromUtf16 + Utf16Length(text_, from, syncedBytes_);
        dirtyFrom_ = std::string::npos;
    }
    if (scrollPending_) {
        scrollPending_ = false;
        moveCursor(QTextCursor::End);
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}

} // namespace velmont
