#include "ui/convert/ForwardingListCells.h"

#include "ui/convert/UiThreadQueue.h"

namespace velmont {

ForwardingListCells::ForwardingListCells(IListCells& target, UiThreadQueue& queue)
    : target_(target), queue_(queue) {}

void ForwardingListCells::SetCurSel(int row, bool makeVisible) {
    queue_.Post([target = &target_, row, makeVisible] { target->SetCurSel(row, makeVisible); });
}

void ForwardingListCells::UpdateProgress(int row, int column, int percent) {
    queue_.Post([target = &target_, row, column, percent] {
        target->UpdateProgress(row, column, percent);
    });
}

void ForwardingListCells::SetBold(int row, int column, bool bold) {
    queue_.Post([target = &target_, row, column, bold] { target->SetBold(row, column, bold); });
}

void ForwardingListCells::SetItemText(int row, int column, const std::string& text) {
    queue_.Post([target = &target_, row, column, text] { target->SetItemText(row, column, text); });
}

void ForwardingListCells::SetItemText(int row, int column, const std::string& text, Rgb textColour,
                                      Rgb backgroundColour) {
    queue_.Post([target = &target_, row, column, text, textColour, backgroundColour] {
        target->SetItemText(row, column, text, textColour, backgroundColour);
    });
}

} // namespace velmont
