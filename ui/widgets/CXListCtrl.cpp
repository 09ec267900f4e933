#include "ui/widgets/CXListCtrl.h"

#include "ui/widgets/XListCells.h"
#include "ui/widgets/XListDelegate.h"

#include <QHeaderView>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <utility>

namespace velmont {

using xlist::CellKind;

namespace {

CellKind KindOf(const QTableWidgetItem* cell) {
    return cell ? CellKind(cell->data(xlist::kKindRole).toInt()) : CellKind::Text;
}

constexpr Qt::ItemFlags kPlainFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;

} // namespace

CXListCtrl::CXListCtrl(QWidget* parent) : QTableWidget(parent), delegate_(new XListDelegate(this)) {
    setItemDelegate(delegate_);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(8);

    // The selection stays visible while another control has the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

CXListCtrl::~CXListCtrl() = default;

int CXListCtrl::InsertColumn(int column, const QString& heading, int width,
                             Qt::Alignment alignment) {
    if (column < 0)
        return -1;
    column = std::min(column, columnCount());
    insertColumn(column);
    auto* header = new QTableWidgetItem(heading);
    header->setTextAlignment(alignment | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, header);
    setColumnWidth(column, width);
    for (int row = 0; row < rowCount(); ++row)
        EnsureCell(row, column);
    return column;
}

int CXListCtrl::InsertItem(int row, const QString& text) {
    if (row < 0)
        return -1;
    row = std::min(row, rowCount());
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column)
        EnsureCell(row, column);
    SetItemText(row, 0, text);
    viewport()->update();
    return row;
}

bool CXListCtrl::DeleteItem(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    removeRow(row);
    viewport()->update();
    return true;
}

void CXListCtrl::DeleteAllItems() {
    setRowCount(0);
    viewport()->update();
}

QTableWidgetItem* CXListCtrl::Cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return item(row, column);
}

QTableWidgetItem* CXListCtrl::EnsureCell(int row, int column) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(kPlainFlags);
        Qt::Alignment alignment = Qt::AlignLeft;
        if (const QTableWidgetItem* header = horizontalHeaderItem(column))
            alignment = Qt::Alignment(header->textAlignment()) & Qt::AlignHorizontal_Mask;
        cell->setTextAlignment(alignment | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    return cell;
}

bool CXListCtrl::SetItemText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return false;
    cell->setText(text);
    return true;
}

bool CXListCtrl::SetItemText(int row, int column, const QString& text, const QColor& textColour,
                             const QColor& backgroundColour) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return false;
    cell->setText(text);
    cell->setForeground(textColour);
    cell->setBackground(backgroundColour);
    return true;
}

QString CXListCtrl::GetItemText(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    return cell ? cell->text() : QString();
}

QColor CXListCtrl::GetItemTextColour(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    if (!cell || cell->foreground().style() == Qt::NoBrush)
        return palette().color(QPalette::Text);
    return cell->foreground().color();
}

QColor CXListCtrl::GetItemBackgroundColour(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    if (!cell || cell->background().style() == Qt::NoBrush)
        return palette().color(QPalette::Base);
    return cell->background().color();
}

void CXListCtrl::SetEmptyText(const QString& text) {
    emptyText_ = text;
    viewport()->update();
}

bool CXListCtrl::SetCheckbox(int row, int column, int state) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return false;
    cell->setData(xlist::kKindRole, int(CellKind::Checkbox));
    cell->setFlags(kPlainFlags | Qt::ItemIsUserCheckable);
    cell->setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
    return true;
}

int CXListCtrl::GetCheckbox(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    if (KindOf(cell) != CellKind::Checkbox)
        return -1;
    return cell->checkState() == Qt::Checked ? 1 : 0;
}

bool CXListCtrl::SetComboBox(int row, int column, bool enabled, const QStringList& entries,
                             int dropDownHeight, int initialSelection, bool sort) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return false;
    QStringList shown = entries; // shared with the caller's list, not copied
    if (sort)
        shown.sort();
    cell->setData(xlist::kKindRole, int(CellKind::Combo));
    cell->setData(xlist::kComboEntriesRole, shown);
    cell->setData(xlist::kComboEnabledRole, enabled);
    cell->setData(xlist::kComboDropDownRole, dropDownHeight);
    cell->setFlags(enabled ? kPlainFlags | Qt::ItemIsEditable : kPlainFlags);
    if (initialSelection >= 0 && initialSelection < shown.size())
        cell->setText(shown.at(initialSelection));
    return true;
}

bool CXListCtrl::SetComboBox(int row, int column, bool enabled,
                             const std::vector<std::string>& entries, int dropDownHeight,
                             int initialSelection, bool sort) {
    QStringList list;
    list.reserve(qsizetype(entries.size()));
    for (const std::string& entry : entries)
        list.append(QString::fromStdString(entry));
    return SetComboBox(row, column, enabled, list, dropDownHeight, initialSelection, sort);
}

bool CXListCtrl::SetComboBox(int row, int column, const QString& text) {
    QTableWidgetItem* cell = Cell(row, column);
    if (KindOf(cell) != CellKind::Combo)
        return false;
    cell->setText(text);
    return true;
}

QString CXListCtrl::GetComboText(int row, int column) const {
    return GetItemText(row, column);
}

bool CXListCtrl::IsComboCell(int row, int column) const {
    return KindOf(Cell(row, column)) == CellKind::Combo;
}

bool CXListCtrl::SetEdit(int row, int column) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return false;
    cell->setData(xlist::kKindRole, int(CellKind::Edit));
    cell->setFlags(kPlainFlags | Qt::ItemIsEditable);
    return true;
}

bool CXListCtrl::IsEditCell(int row, int column) const {
    return KindOf(Cell(row, column)) == CellKind::Edit;
}

int CXListCtrl::GetModified(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    return cell && cell->data(xlist::kModifiedRole).toBool() ? 1 : 0;
}

bool CXListCtrl::SetModified(int row, int column, bool modified) {
    QTableWidgetItem* cell = Cell(row, column);
    if (!cell)
        return false;
    cell->setData(xlist::kModifiedRole, modified);
    return true;
}

bool CXListCtrl::SetItemToolTipText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return false;
    cell->setToolTip(text);
    return true;
}

QString CXListCtrl::GetItemToolTipText(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    return cell ? cell->toolTip() : QString();
}

bool CXListCtrl::SetProgress(int row, int column, bool showText, const QString& text) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return false;
    cell->setData(xlist::kKindRole, int(CellKind::Progress));
    cell->setData(xlist::kProgressRole, 0);
    cell->setData(xlist::kProgressShowTextRole, showText);
    cell->setData(xlist::kProgressTextRole, text);
    cell->setFlags(kPlainFlags);
    return true;
}

bool CXListCtrl::DeleteProgress(int row, int column) {
    QTableWidgetItem* cell = Cell(row, column);
    if (KindOf(cell) != CellKind::Progress)
        return false;
    cell->setData(xlist::kKindRole, int(CellKind::Text));
    cell->setData(xlist::kProgressRole, QVariant());
    return true;
}

int CXListCtrl::GetProgress(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    if (KindOf(cell) != CellKind::Progress)
        return -1;
    return cell->data(xlist::kProgressRole).toInt();
}

bool CXListCtrl::GetBold(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    return cell && cell->font().bold();
}

int CXListCtrl::GetFirstSelectedItem() const {
    int first = -1;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void CXListCtrl::AllowMultipleSelection() {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

std::vector<int> CXListCtrl::GetSelectedItems() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<int> CXListCtrl::RowsActedOn(int row) const {
    std::vector<int> rows = GetSelectedItems();
    if (std::find(rows.begin(), rows.end(), row) == rows.end())
        rows = {row};
    return rows;
}

void CXListCtrl::SetCurSel(int row, bool makeVisible) {
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (makeVisible)
        scrollTo(model()->index(row, 0));
}

void CXListCtrl::UpdateProgress(int row, int column, int percent) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return;
    // A run may report progress into a cell nobody prepared: make it a bar.
    if (KindOf(cell) != CellKind::Progress)
        SetProgress(row, column, true, {});
    cell->setData(xlist::kProgressRole, std::clamp(percent, 0, 100));
}

void CXListCtrl::SetBold(int row, int column, bool bold) {
    QTableWidgetItem* cell = EnsureCell(row, column);
    if (!cell)
        return;
    QFont font = cell->font();
    font.setBold(bold);
    cell->setFont(font);
}

void CXListCtrl::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    if (rowCount() > 0 || emptyText_.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const QRect area = viewport()->rect().adjusted(8, 12, -8, -8);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, emptyText_);
}

// A plain click on the combo of a row among several selected ones opens the
// combo for all of them: the selection must survive the click.
bool CXListCtrl::OpensComboOfSelectedRow(const QMouseEvent* event) const {
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier)
        return false;
    const QModelIndex index = indexAt(event->position().toPoint());
    const QTableWidgetItem* cell = index.isValid() ? item(index.row(), index.column()) : nullptr;
    return KindOf(cell) == CellKind::Combo && (cell->flags() & Qt::ItemIsEditable) &&
           GetSelectedItems().size() > 1 && selectionModel()->isRowSelected(index.row());
}

void CXListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(pressKeptSelection_, false)) {
        event->accept();
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

void CXListCtrl::mousePressEvent(QMouseEvent* event) {
    pressKeptSelection_ = OpensComboOfSelectedRow(event);
    if (pressKeptSelection_)
        selectionModel()->setCurrentIndex(indexAt(event->position().toPoint()),
                                          QItemSelectionModel::NoUpdate);
    else
        QTableWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A combo opens with one click, like a drop-down list.
    const QModelIndex index = indexAt(event->position().toPoint());
    const QTableWidgetItem* cell = index.isValid() ? item(index.row(), index.column()) : nullptr;
    if (KindOf(cell) == CellKind::Combo && (cell->flags() & Qt::ItemIsEditable) &&
        state() != QAbstractItemView::EditingState)
        edit(index);
}

void CXListCtrl::OnEditorCommitted(int row, int column, const QString& text, bool fromCombo) {
    QTableWidgetItem* cell = Cell(row, column);
    if (!cell)
        return;
    if (cell->text() != text) {
        cell->setText(text);
        cell->setData(xlist::kModifiedRole, true);
    }
    if (fromCombo)
        emit comboSelection(row, column);
    else
        emit editEnd(row, column);
}

} // namespace velmont
