#include "ui/skin/DraggableDialog.h"

#include "ui/skin/DragGeometry.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace velmont {

DraggableDialog::DraggableDialog(QWidget* parent, Qt::WindowFlags extraFlags)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | extraFlags) {
    screen_ = ScreenArea();
}

bool DraggableDialog::SetDragAlpha(int alpha) {
    if (alpha < 0 || alpha > 255)
        return false;
    dragAlpha_ = alpha;
    return true;
}

QRect DraggableDialog::ScreenArea() const {
    if (QScreen* s = screen())
        return s->geometry();
    if (QScreen* primary = QGuiApplication::primaryScreen())
        return primary->geometry();
    return {};
}

void DraggableDialog::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
}

void DraggableDialog::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
}

void DraggableDialog::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
}

void DraggableDialog::EndDrag() {
    dragging_ = false;
}

} // namespace velmont
