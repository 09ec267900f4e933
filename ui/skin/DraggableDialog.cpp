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
    // Only the dialog's own surface starts a drag: a press on an enabled
    // child control reaches us only when that control ignored it.
    QWidget* child = childAt(event->position().toPoint());
    const bool onSurface = !child || !child->isEnabled();
    if (event->button() == Qt::LeftButton && dragWithLeftButton_ && onSurface && !dragging_) {
        if (clampToScreen_)
            screen_ = ScreenArea();
        lastCursor_ = event->globalPosition().toPoint();
        grabMouse();
        if (dragAlpha_ != 255)
            setWindowOpacity(dragAlpha_ / 255.0);
        dragging_ = true;
    }
    QDialog::mousePressEvent(event);
}

void DraggableDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && !(event->buttons() & Qt::LeftButton)) {
        EndDrag(); // the release went elsewhere (a grab was lost)
    } else if (dragging_) {
        const QPoint cursor = event->globalPosition().toPoint();
        const QPoint target =
            DraggedTopLeft(frameGeometry(), cursor - lastCursor_, screen_, clampToScreen_);
        // Follow the pointer from where it is now, also when the window was
        // held at an edge: moving back moves the window back at once.
        lastCursor_ = cursor;
        move(target);
    }
    QDialog::mouseMoveEvent(event);
}

void DraggableDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && dragWithLeftButton_ && event->button() == Qt::LeftButton)
        EndDrag();
    QDialog::mouseReleaseEvent(event);
}

void DraggableDialog::EndDrag() {
    dragging_ = false;
    if (dragAlpha_ != 255)
        setWindowOpacity(1.0);
    releaseMouse();
}

} // namespace velmont
