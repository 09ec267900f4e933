#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTableWidget>

#include <string>
#include <vector>

namespace velmont {

class XListDelegate;

// A report-view list: grid lines, full-row selection (one row, or several
// with AllowMultipleSelection) and cells that can be check boxes, drop-down
// combos, in-place edits or progress bars.
// Rows and columns count from 0. Used on its own thread only.
class CXListCtrl : public QTableWidget {
    Q_OBJECT

  public:
    explicit CXListCtrl(QWidget* parent = nullptr);
    ~CXListCtrl() override;

    // Columns and rows
    int InsertColumn(int column, const QString& heading, int width,
                     Qt::Alignment alignment = Qt::AlignLeft);
    int GetColumnCount() const { return columnCount(); }
    int GetItemCount() const { return rowCount(); }
    // Inserts a row at `row` (appends when row >= the row count) with `text`
    // in column 0; returns the new row's index, -1 when row is negative.
    int InsertItem(int row, const QString& text);
    bool DeleteItem(int row);
    void DeleteAllItems();

    // Plain text cells
    bool SetItemText(int row, int column, const QString& text);
    bool SetItemText(int row, int column, const QString& text, const QColor& textColour,
                     const QColor& backgroundColour);
    bool SetItemText(int row, int column, const char* text) {
        return SetItemText(row, column, QString::fromUtf8(text));
    }
    QString GetItemText(int row, int column) const;
    QColor GetItemTextColour(int row, int column) const;
    QColor GetItemBackgroundColour(int row, int column) const;

    // Drawn while the list has no rows.
    void SetEmptyText(const QString& text);
    QString GetEmptyText() const { return emptyText_; }

    // Check-box cells: state 1 = checked, 0 = unchecked; -1 = not a check box.
    bool SetCheckbox(int row, int column, int state);
    int GetCheckbox(int row, int column) const;
    bool SetItemCheckedState(int row, int column, int state) {
        return SetCheckbox(row, column, state);
    }
    int GetItemCheckedState(int row, int column) const { return GetCheckbox(row, column); }

    // Combo cells over a list of entries (shared, not copied per row). The
    // user picks an entry in place; comboSelection then follows.
    bool SetComboBox(int row, int column, bool enabled, const QStringList& entries,
                     int dropDownHeight, int initialSelection, bool sort);
    bool SetComboBox(int row, int column, bool enabled, const std::vector<std::string>& entries,
                     int dropDownHeight, int initialSelection, bool sort);
    // Shows `text` in an existing combo cell.
    bool SetComboBox(int row, int column, const QString& text);
    QString GetComboText(int row, int column) const;
    bool IsComboCell(int row, int column) const;

    // In-place editable text cells; editEnd follows a finished edit.
    bool SetEdit(int row, int column);
    bool IsEditCell(int row, int column) const;
    // Nonzero once the user changed the cell (edit or combo pick).
    int GetModified(int row, int column) const;
    bool SetModified(int row, int column, bool modified);

    bool SetItemToolTipText(int row, int column, const QString& text);
    QString GetItemToolTipText(int row, int column) const;

    // Progress cells: a bar with "<percent>%" (or `text`, when not empty)
    // drawn over it when showText is true.
    bool SetProgress(int row, int column, bool showText = true, const QString& text = {});
    bool DeleteProgress(int row, int column);
    // -1 when the cell is not a progress cell.
    int GetProgress(int row, int column) const;

    bool GetBold(int row, int column) const;

    int GetFirstSelectedItem() const;
    int GetCurSel() const { return GetFirstSelectedItem(); }
    // Shift and Ctrl clicks and Ctrl+A select several rows.
    void AllowMultipleSelection();
    // The selected rows in ascending order.
    std::vector<int> GetSelectedItems() const;
    // The rows a pick in the combo of `row` was meant for: the selection
    // when the row is part of it, else the row alone.
    std::vector<int> RowsActedOn(int row) const;

    void SetCurSel(int row, bool makeVisible);
    void UpdateProgress(int row, int column, int percent);
    void SetBold(int row, int column, bool bold);

  signals:
    // The user picked an entry of the combo in (row, column).
    void comboSelection(int row, int column);
    // The user finished editing (row, column) in place.
    void editEnd(int row, int column);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    friend class XListDelegate;

    QTableWidgetItem* Cell(int row, int column) const;
    QTableWidgetItem* EnsureCell(int row, int column);
    void OnEditorCommitted(int row, int column, const QString& text, bool fromCombo);

    bool OpensComboOfSelectedRow(const QMouseEvent* event) const;

    XListDelegate* delegate_;
    QString emptyText_;
    bool pressKeptSelection_ = false;
};

} // namespace velmont
