#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>

namespace velmont {

// A borderless dialog the user moves by pressing the left button on its own
// surface (not on a child control) and dragging. Optionally it stays inside
// the screen and turns translucent while dragged.
class DraggableDialog : public QDialog {
    Q_OBJECT

  public:
    explicit DraggableDialog(QWidget* parent = nullptr, Qt::WindowFlags extraFlags = {});

    void SetClampToScreen(bool clamp) { clampToScreen_ = clamp; }
    bool ClampToScreen() const { return clampToScreen_; }
    // 0..255 is stored and returns true; 255 means no fading. Anything else
    // is refused and changes nothing.
    bool SetDragAlpha(int alpha);
    int DragAlpha() const { return dragAlpha_; }
    void SetDragWithLeftButton(bool enabled) { dragWithLeftButton_ = enabled; }
    bool IsDragging() const { return dragging_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void EndDrag();
    QRect ScreenArea() const;

    int dragAlpha_ = 255;
    QPoint lastCursor_;
    QRect screen_;
    bool dragWithLeftButton_ = true;
    bool clampToScreen_ = false;
    bool dragging_ = false;
};

} // namespace velmont
