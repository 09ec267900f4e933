#include "ui/skin/DragGeometry.h"

namespace velmont {

QPoint DraggedTopLeft(const QRect& window, QPoint delta, const QRect& screen, bool keepInside) {
    // Edges as exclusive bounds, so a window of width w at x spans [x, x + w).
    const int left = window.x();
    const int top = window.y();
    const int right = left + window.width();
    const int bottom = top + window.height();
    int newLeft = left + delta.x();
    int newTop = top + delta.y();
    if (keepInside) {
        const int screenLeft = screen.x();
        const int screenTop = screen.y();
        const int screenRight = screenLeft + screen.width();
        const int screenBottom = screenTop + screen.height();
        if (newLeft < screenLeft)
            newLeft = screenLeft;
        if (right + delta.x() > screenRight)
            newLeft = screenRight - window.width();
        if (newTop < screenTop)
            newTop = screenTop;
        if (bottom + delta.y() > screenBottom)
            newTop = screenBottom - window.height();
    }
    return {newLeft, newTop};
}

} // namespace velmont
