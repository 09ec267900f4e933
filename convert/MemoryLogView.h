#pragma once

#include "convert/LogView.h"

#include <functional>
#include <mutex>
#include <string>

namespace velmont {

// A log pane held in memory. Safe to use from several threads: the
// worker writes it while the user-interface thread reads Text() to mirror
// it in a widget, prompted by the change callback.
class MemoryLogView : public ILogView {
  public:
    int TextLength() const override;
    void SetSelection(int start, int end) override;
    void ReplaceSelection(const std::string& text) override;
    void ScrollToEnd() override;

    std::string Text() const;
    // Replaces the whole text; the caret ends after it.
    void SetText(const std::string& text);
    int ScrollToEndCount() const;

    // Called after every change, on the thread that made it, without any
    // lock held. Set it before the view is shared.
    void SetChangeCallback(std::function<void()> callback);

  private:
    void NotifyChanged() const;

    mutable std::mutex mutex_;
    std::string text_;
    std::size_t selectionStart_ = 0;
    std::size_t selectionEnd_ = 0;
    int scrollToEndCount_ = 0;
    std::function<void()> changed_;
};

} // namespace velmont
