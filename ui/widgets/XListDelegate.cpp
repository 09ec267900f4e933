#include "ui/widgets/XListDelegate.h"

#include "ui/widgets/CXListCtrl.h"

namespace velmont {

XListDelegate::XListDelegate(CXListCtrl* list) : QStyledItemDelegate(list), list_(list) {}

void XListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
}

QWidget* XListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void XListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    QStyledItemDelegate::setEditorData(editor, index);
}

void XListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    QStyledItemDelegate::setModelData(editor, model, index);
}

void XListDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
}

} // namespace velmont
