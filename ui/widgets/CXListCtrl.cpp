#include "ui/widgets/CXListCtrl.h"

#include "ui/widgets/XListDelegate.h"

#include <QPaintEvent>

namespace velmont {

CXListCtrl::CXListCtrl(QWidget* parent) : QTableWidget(parent), delegate_(new XListDelegate(this)) {
    setItemDelegate(delegate_);
}

CXListCtrl::~CXListCtrl() = default;

int CXListCtrl::InsertColumn(int column, const QString& heading, int width, Qt::Alignment) {
    insertColumn(column);
    setHorizontalHeaderItem(column, new QTableWidgetItem(heading));
    setColumnWidth(column, width);
    return column;
}

int CXListCtrl::InsertItem(int row, const QString& text) {
    if (row < 0)
        return -1;
    row = std::min(row, rowCount());
    insertRow(row);
    SetItemText(row, 0, text);
    return row;
}

bool CXListCtrl::DeleteItem(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    removeRow(row);
    return true;
}

void CXListCtrl::DeleteAllItems() {
    setRowCount(0);
}

QTableWidgetItem* CXListCtrl::Cell(int row, int column) const {
    return item(row, column);
}

QTableWidgetItem* CXListCtrl::EnsureCell(int row, int column) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
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

bool CXListCtrl::SetItemText(int row, int column, const QString& text, const QColor&,
                             const QColor&) {
    return SetItemText(row, column, text);
}

QString CXListCtrl::GetItemText(int row, int column) const {
    const QTableWidgetItem* cell = Cell(row, column);
    return cell ? cell->text() : QString();
}

QColor CXListCtrl::GetItemTextColour(int, int) const {
    return {};
}
QColor CXListCtrl::GetItemBackgroundColour(int, int) const {
    return {};
}
void CXListCtrl::SetEmptyText(const QString& text) {
    emptyText_ = text;
}
bool CXListCtrl::SetCheckbox(int, int, int) {
    return false;
}
int CXListCtrl::GetCheckbox(int, int) const {
    return -1;
}
bool CXListCtrl::SetComboBox(int, int, bool, const QStringList&, int, int, bool) {
    return false;
}
bool CXListCtrl::SetComboBox(int, int, bool, const std::vector<std::string>&, int, int, bool) {
    return false;
}
bool CXListCtrl::SetComboBox(int, int, const QString&) {
    return false;
}
QString CXListCtrl::GetComboText(int row, int column) const {
    return GetItemText(row, column);
}
bool CXListCtrl::IsComboCell(int, int) const {
    return false;
}
bool CXListCtrl::SetEdit(int, int) {
    return false;
}
bool CXListCtrl::IsEditCell(int, int) const {
    return false;
}
int CXListCtrl::GetModified(int, int) const {
    return 0;
}
bool CXListCtrl::SetModified(int, int, bool) {
    return false;
}
bool CXListCtrl::SetItemToolTipText(int, int, const QString&) {
    return false;
}
QString CXListCtrl::GetItemToolTipText(int, int) const {
    return {};
}
bool CXListCtrl::SetProgress(int, int, bool, const QString&) {
    return false;
}
bool CXListCtrl::DeleteProgress(int, int) {
    return false;
}
int CXListCtrl::GetProgress(int, int) const {
    return -1;
}
bool CXListCtrl::GetBold(int, int) const {
    return false;
}
int CXListCtrl::GetFirstSelectedItem() const {
    return -1;
}
void CXListCtrl::SetCurSel(int, bool) {}
void CXListCtrl::UpdateProgress(int, int, int) {}
void CXListCtrl::SetBold(int, int, bool) {}
void CXListCtrl::SetItemText(int row, int column, const std::string& text) {
    SetItemText(row, column, QString::fromStdString(text));
}
void CXListCtrl::SetItemText(int row, int column, const std::string& text, Rgb, Rgb) {
    SetItemText(row, column, QString::fromStdString(text));
}
void CXListCtrl::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
}
void CXListCtrl::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
}
void CXListCtrl::OnEditorCommitted(int, int, const QString&, bool) {}

} // namespace velmont
