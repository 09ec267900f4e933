#pragma once

#include <QStyledItemDelegate>

namespace velmont {

class CXListCtrl;

// Draws the special cells of a CXListCtrl (progress bars, combo arrows) and
// provides their in-place editors.
class XListDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit XListDelegate(CXListCtrl* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

  private:
    CXListCtrl* list_;
};

} // namespace velmont
