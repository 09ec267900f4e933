#include "ui/convert/ForwardingLogView.h"

#include "ui/convert/UiThreadQueue.h"

namespace velmont {

ForwardingLogView::ForwardingLogView(ILogView& target, UiThreadQueue& queue)
    : target_(target), queue_(queue) {}

int ForwardingLogView::TextLength() const {
    return copy_.TextLength();
}

void ForwardingLogView::SetSelection(int start, int end) {
    std::lock_guard lock(orderMutex_);
    copy_.SetSelection(start, end);
    queue_.Post([target = &target_, start, end] { target->SetSelection(start, end); });
}

void ForwardingLogView::ReplaceSelection(const std::string& text) {
    std::lock_guard lock(orderMutex_);
    copy_.ReplaceSelection(text);
    queue_.Post([target = &target_, text] { target->ReplaceSelection(text); });
}

void ForwardingLogView::ScrollToEnd() {
    std::lock_guard lock(orderMutex_);
    copy_.ScrollToEnd();
    queue_.Post([target = &target_] { target->ScrollToEnd(); });
}

std::string ForwardingLogView::Text() const {
    return copy_.Text();
}

void ForwardingLogView::ReplaceAll(const std::string& text) {
    std::lock_guard lock(orderMutex_);
    copy_.SetText(text);
    queue_.Post([target = &target_, text] {
        target->SetSelection(0, target->TextLength());
        target->ReplaceSelection(text);
    });
}

} // namespace velmont
