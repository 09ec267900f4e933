#pragma once

#include "convert/ListCells.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace velmont {

// What one cell of the job list shows.
struct CellState {
    std::string text;
    bool coloured = false; // false: the list's default colours
    Rgb textColour = kBlack;
    Rgb backgroundColour = kWhite;
    bool bold = false;
    int progress = -1; // -1: never set
    int progressUpdates = 0;

    bool operator==(const CellState&) const = default;
};

// The job list's cells held in memory. Safe to use from several threads:
// the worker writes while the user-interface thread reads cells to mirror
// them in a widget, prompted by the change callback.
class MemoryListCells : public IListCells {
  public:
    // Column of a change that concerns the selection rather than a cell.
    static constexpr int kSelectionChanged = -1;

    void SetCurSel(int row, bool makeVisible) override;
    void UpdateProgress(int row, int column, int percent) override;
    void SetBold(int row, int column, bool bold) override;
    void SetItemText(int row, int column, const std::string& text) override;
    void SetItemText(int row, int column, const std::string& text, Rgb textColour,
                     Rgb backgroundColour) override;

    // A cell never written reads as a default CellState.
    CellState Cell(int row, int column) const;
    int CurSel() const; // -1 before any SetCurSel
    bool CurSelMadeVisible() const;

    // Called after every change with its row and column (kSelectionChanged
    // for SetCurSel), on the thread that made it, without any lock held.
    // Set it before the cells are shared.
    void SetChangeCallback(std::function<void(int row, int column)> callback);

  private:
    template <typename Change> void Modify(int row, int column, Change change);
    void NotifyChanged(int row, int column) const;

    mutable std::mutex mutex_;
    std::map<std::pair<int, int>, CellState> cells_;
    int curSel_ = -1;
    bool curSelVisible_ = false;
    std::function<void(int, int)> changed_;
};

} // namespace velmont
