// The file list's context menu: commands on every row at once.

#include "ui/main/MainDialog.h"

#include "ui/widgets/CXListCtrl.h"

#include <QMenu>

namespace velmont {

QMenu* MainDialog::CreateListMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("listMenu"));
    connect(menu->addAction(tr("Check all")), &QAction::triggered, this,
            [this] { CheckAll(true); });
    connect(menu->addAction(tr("Uncheck all")), &QAction::triggered, this,
            [this] { CheckAll(false); });
    menu->addSeparator();
    QAction* clear = menu->addAction(tr("Clear the list"));
    clear->setEnabled(list_->GetItemCount() > 0 || IsAdding());
    connect(clear, &QAction::triggered, this, &MainDialog::ClearList);
    return menu;
}

void MainDialog::CheckAll(bool checked) {
    for (std::size_t row = 0; row < jobs_.Count(); ++row) {
        jobs_[row].checked = checked;
        list_->SetCheckbox(int(row), kCheckColumn, checked ? 1 : 0);
    }
}

// Files still being probed are dropped too: the list starts afresh.
void MainDialog::ClearList() {
    probeGeneration_ = prober_->Cancel();
    arrived_.clear();
    list_->DeleteAllItems();
    jobs_.Clear();
    if (IsAdding())
        FinishAdding();
}

} // namespace velmont
