#include "ui/widgets/XListDelegate.h"

#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/XListCells.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace velmont {

using xlist::CellKind;

namespace {

// Marks a combo editor whose entry the user actually picked; closing the
// drop-down without a pick must not count as a selection.
constexpr const char* kPickedProperty = "velmontPicked";

CellKind KindOf(const QModelIndex& index) {
    return CellKind(index.data(xlist::kKindRole).toInt());
}

void DrawProgress(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) {
    const int percent = index.data(xlist::kProgressRole).toInt();
    const QRect bar = option.rect.adjusted(4, 4, -4, -4);
    if (bar.width() <= 2 || bar.height() <= 2)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const qreal radius = 3.0;
    painter->setPen(QPen(QColor(0xB8, 0xC7, 0xDA), 1));
    painter->setBrush(QColor(0xEE, 0xF3, 0xF9));
    painter->drawRoundedRect(QRectF(bar).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    if (percent > 0) {
        QRectF filled = QRectF(bar).adjusted(1, 1, -1, -1);
        filled.setWidth(filled.width() * percent / 100.0);
        QLinearGradient fill(filled.topLeft(), filled.bottomLeft());
        fill.setColorAt(0, QColor(0x4D, 0xA3, 0xFF));
        fill.setColorAt(1, QColor(0x1E, 0x74, 0xE0));
        painter->setPen(Qt::NoPen);
        painter->setBrush(fill);
        painter->drawRoundedRect(filled, radius - 1, radius - 1);
    }
    if (index.data(xlist::kProgressShowTextRole).toBool()) {
        QString text = index.data(xlist::kProgressTextRole).toString();
        if (text.isEmpty())
            text = QStringLiteral("%1%").arg(percent);
        QFont font = option.font;
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(percent >= 50 ? Qt::white : QColor(0x1F, 0x2D, 0x3D));
        painter->drawText(bar, Qt::AlignCenter, text);
    }
    painter->restore();
}

void DrawComboArrow(QPainter* painter, const QRect& cell, const QColor& colour) {
    const QPointF centre(cell.right() - 9.5, cell.center().y() + 0.5);
    QPainterPath chevron;
    chevron.moveTo(centre + QPointF(-4, -2));
    chevron.lineTo(centre + QPointF(0, 2));
    chevron.lineTo(centre + QPointF(4, -2));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(chevron);
    painter->restore();
}

} // namespace

XListDelegate::XListDelegate(CXListCtrl* list) : QStyledItemDelegate(list), list_(list) {}

void XListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    switch (KindOf(index)) {
    case CellKind::Progress: {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
        DrawProgress(painter, option, index);
        return;
    }
    case CellKind::Combo: {
        QStyleOptionViewItem text = option;
        const bool enabled = index.data(xlist::kComboEnabledRole).toBool();
        if (enabled)
            text.rect.setRight(text.rect.right() - 18);
        QStyledItemDelegate::paint(painter, text, index);
        if (enabled) {
            const bool selected = option.state & QStyle::State_Selected;
            const QColor arrow = option.palette.color(selected ? QPalette::HighlightedText
                                                               : QPalette::PlaceholderText);
            // The narrowed text rectangle left a strip: give it the row's look.
            QStyleOptionViewItem strip = option;
            initStyleOption(&strip, index);
            strip.rect.setLeft(text.rect.right() + 1);
            strip.text.clear();
            const QWidget* widget = option.widget;
            QStyle* style = widget ? widget->style() : QApplication::style();
            style->drawPrimitive(QStyle::PE_PanelItemViewItem, &strip, painter, widget);
            DrawComboArrow(painter, option.rect, arrow);
        }
        return;
    }
    default:
        QStyledItemDelegate::paint(painter, option, index);
    }
}

QWidget* XListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    switch (KindOf(index)) {
    case CellKind::Combo: {
        if (!index.data(xlist::kComboEnabledRole).toBool())
            return nullptr;
        auto* combo = new QComboBox(parent);
        combo->addItems(index.data(xlist::kComboEntriesRole).toStringList());
        const int visible = index.data(xlist::kComboDropDownRole).toInt();
        if (visible > 0)
            combo->setMaxVisibleItems(visible);
        auto* self = const_cast<XListDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, combo] {
            combo->setProperty(kPickedProperty, true);
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        QTimer::singleShot(0, combo, [combo] {
            if (combo->isVisible())
                combo->showPopup();
        });
        return combo;
    }
    case CellKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        return edit;
    }
    default:
        return nullptr;
    }
}

void XListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
}

void XListDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                 const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (!combo->property(kPickedProperty).toBool())
            return;
        combo->setProperty(kPickedProperty, false);
        list_->OnEditorCommitted(index.row(), index.column(), combo->currentText(), true);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        list_->OnEditorCommitted(index.row(), index.column(), edit->text(), false);
}

void XListDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

} // namespace velmont
