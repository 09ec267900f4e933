#include "convert/MemoryLogView.h"

#include <algorithm>
#include <climits>

namespace velmont {

int MemoryLogView::TextLength() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::min<std::size_t>(text_.size(), INT_MAX));
}

void MemoryLogView::SetSelection(int start, int end) {
    std::lock_guard lock(mutex_);
    const auto clamp = [this](int position) {
        return position < 0 ? std::size_t{0}
                            : std::min(static_cast<std::size_t>(position), text_.size());
    };
    selectionStart_ = clamp(start);
    selectionEnd_ = clamp(end);
    if (selectionEnd_ < selectionStart_)
        std::swap(selectionStart_, selectionEnd_);
}

void MemoryLogView::ReplaceSelection(const std::string& text) {
    {
        std::lock_guard lock(mutex_);
        text_.replace(selectionStart_, selectionEnd_ - selectionStart_, text);
        selectionStart_ += text.size();
        selectionEnd_ = selectionStart_;
    }
    NotifyChanged();
}

void MemoryLogView::ScrollToEnd() {
    {
        std::lock_guard lock(mutex_);
        ++scrollToEndCount_;
    }
    NotifyChanged();
}

std::string MemoryLogView::Text() const {
    std::lock_guard lock(mutex_);
    return text_;
}

void MemoryLogView::SetText(const std::string& text) {
    {
        std::lock_guard lock(mutex_);
        text_ = text;
        selectionStart_ = selectionEnd_ = text_.size();
    }
    NotifyChanged();
}

int MemoryLogView::ScrollToEndCount() const {
    std::lock_guard lock(mutex_);
    return scrollToEndCount_;
}

void MemoryLogView::SetChangeCallback(std::function<void()> callback) {
    std::lock_guard lock(mutex_);
    changed_ = std::move(callback);
}

void MemoryLogView::NotifyChanged() const {
    std::function<void()> callback;
    {
        std::lock_guard lock(mutex_);
        callback = changed_;
    }
    if (callback)
        callback();
}

} // namespace velmont
