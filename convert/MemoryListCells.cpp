#include "convert/MemoryListCells.h"

#include <algorithm>

namespace velmont {

template <typename Change> void MemoryListCells::Modify(int row, int column, Change change) {
    {
        std::lock_guard lock(mutex_);
        change(cells_[{row, column}]);
    }
    NotifyChanged(row, column);
}

void MemoryListCells::SetCurSel(int row, bool makeVisible) {
    {
        std::lock_guard lock(mutex_);
        curSel_ = row;
        curSelVisible_ = makeVisible;
    }
    NotifyChanged(row, kSelectionChanged);
}

void MemoryListCells::UpdateProgress(int row, int column, int percent) {
    Modify(row, column, [percent](CellState& cell) {
        cell.progress = std::clamp(percent, 0, 100);
        ++cell.progressUpdates;
    });
}

void MemoryListCells::SetBold(int row, int column, bool bold) {
    Modify(row, column, [bold](CellState& cell) { cell.bold = bold; });
}

void MemoryListCells::SetItemText(int row, int column, const std::string& text) {
    Modify(row, column, [&text](CellState& cell) {
        cell.text = text;
        cell.coloured = false;
        cell.textColour = kBlack;
        cell.backgroundColour = kWhite;
    });
}

void MemoryListCells::SetItemText(int row, int column, const std::string& text, Rgb textColour,
                                  Rgb backgroundColour) {
    Modify(row, column, [&](CellState& cell) {
        cell.text = text;
        cell.coloured = true;
        cell.textColour = textColour;
        cell.backgroundColour = backgroundColour;
    });
}

CellState MemoryListCells::Cell(int row, int column) const {
    std::lock_guard lock(mutex_);
    const auto found = cells_.find({row, column});
    return found == cells_.end() ? CellState{} : found->second;
}

int MemoryListCells::CurSel() const {
    std::lock_guard lock(mutex_);
    return curSel_;
}

bool MemoryListCells::CurSelMadeVisible() const {
    std::lock_guard lock(mutex_);
    return curSelVisible_;
}

void MemoryListCells::SetChangeCallback(std::function<void(int, int)> callback) {
    std::lock_guard lock(mutex_);
    changed_ = std::move(callback);
}

void MemoryListCells::NotifyChanged(int row, int column) const {
    std::function<void(int, int)> callback;
    {
        std::lock_guard lock(mutex_);
        callback = changed_;
    }
    if (callback)
        callback(row, column);
}

} // namespace velmont
