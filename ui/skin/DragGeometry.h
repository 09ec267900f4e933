#pragma once

#include <QPoint>
#include <QRect>

namespace velmont {

// Where a dragged window goes when the pointer moved by `delta`. `window`
// is its current frame, `screen` the area it must stay inside when
// keepInside is set. A window larger than the screen ends aligned to the
// screen's right or bottom edge.
QPoint DraggedTopLeft(const QRect& window, QPoint delta, const QRect& screen, bool keepInside);

} // namespace velmont
