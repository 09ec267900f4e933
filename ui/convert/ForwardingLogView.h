#pragma once

#include "convert/LogView.h"
#include "convert/MemoryLogView.h"

#include <mutex>
#include <string>

namespace velmont {

class UiThreadQueue;

// The log pane as a worker thread sees it. Every change is made at once on
// an in-memory copy, so lengths and region positions the runner reads are
// exact on the worker thread, and is then posted, in order, to the real
// pane on the user-interface thread. The pane is never touched from the
// worker.
class ForwardingLogView : public ILogView {
  public:
    // target lives on queue's thread and outlives every posted change.
    ForwardingLogView(ILogView& target, UiThreadQueue& queue);

    int TextLength() const override;
    void SetSelection(int start, int end) override;
    void ReplaceSelection(const std::string& text) override;
    void ScrollToEnd() override;

    // The text as the worker last left it (the pane catches up later).
    std::string Text() const;

    // Replaces the whole text, in order with the worker's changes.
    void ReplaceAll(const std::string& text);

  private:
    ILogView& target_;
    UiThreadQueue& queue_;
    // Keeps copy and posted changes in the same order should two threads
    // ever write.
    std::mutex orderMutex_;
    MemoryLogView copy_;
};

} // namespace velmont
