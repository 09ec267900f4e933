#pragma once

#include <QPlainTextEdit>

#include <string>

namespace velmont {

// The read-only log pane of an encoder run. The UTF-8 text is kept as a
// byte string so lengths and selections are exact byte offsets; the widget
// shows a copy of it, brought up to date from the first changed line.
class LogEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit LogEdit(QWidget* parent = nullptr);

    int TextLength() const;
    // Selects [start, end); positions are clamped to the text.
    void SetSelection(int start, int end);
    // Replaces the selection; the caret ends after the new text.
    void ReplaceSelection(const std::string& text);
    void ScrollToEnd();

    // Replaces the whole text; the widget redraws from the first line that
    // differs.
    void SetText(const std::string& text);
    // The whole log as UTF-8 bytes.
    std::string Text() const;
    void Clear();

  private:
    void Sync();

    std::string text_;
    int selectionStart_ = 0;
    int selectionEnd_ = 0;
    // The first byte that differs from what the widget shows.
    std::size_t dirtyFrom_ = std::string::npos;
    bool scrollPending_ = false;
    // UTF-16 length of the widget text up to the byte offset syncedBytes_,
    // which always sits just after a line break (or at 0).
    std::size_t syncedBytes_ = 0;
    int syncedUtf16_ = 0;
};

} // namespace velmont
