#pragma once

#include "convert/ListCells.h"

#include <string>

namespace velmont {

class UiThreadQueue;

// The job list's cells as a worker thread sees them: every change is posted,
// in order, to the real list on the user-interface thread, which the worker
// never touches itself.
class ForwardingListCells : public IListCells {
  public:
    // target lives on queue's thread and outlives every posted change.
    ForwardingListCells(IListCells& target, UiThreadQueue& queue);

    void SetCurSel(int row, bool makeVisible) override;
    void UpdateProgress(int row, int column, int percent) override;
    void SetBold(int row, int column, bool bold) override;
    void SetItemText(int row, int column, const std::string& text) override;
    void SetItemText(int row, int column, const std::string& text, Rgb textColour,
                     Rgb backgroundColour) override;

  private:
    IListCells& target_;
    UiThreadQueue& queue_;
};

} // namespace velmont
