#pragma once

#include "convert/LogView.h"

#include <QPlainTextEdit>

#include <atomic>
#include <mutex>
#include <string>

namespace velmont {

// The read-only log pane of an encoder run. The UTF-8 text is kept as a
// byte string so lengths and selections are exact byte offsets; the widget
// shows a copy of it. The ILogView calls may come from a worker thread: they
// change the byte text at once and bring the widget up to date on its own
// thread.
class LogEdit : public QPlainTextEdit, public ILogView {
    Q_OBJECT

  public:
    explicit LogEdit(QWidget* parent = nullptr);

    int TextLength() const override;
    void SetSelection(int start, int end) override;
    void ReplaceSelection(const std::string& text) override;
    void ScrollToEnd() override;

    // The whole log as UTF-8 bytes.
    std::string Text() const;
    void Clear();

  private:
    void RequestSync();
    void Sync();

    mutable std::mutex mutex_;
    std::string text_;
    int selectionStart_ = 0;
    int selectionEnd_ = 0;
    // The first byte that differs from what the widget shows.
    std::size_t dirtyFrom_ = std::string::npos;
    bool scrollPending_ = false;
    std::atomic<bool> syncPosted_{false};
    // UTF-16 length of the widget text up to the byte offset syncedBytes_,
    // which always sits just after a line break (or at 0).
    std::size_t syncedBytes_ = 0;
    int syncedUtf16_ = 0;
};

} // namespace velmont
