// The window's surface, and how it fits a screen shorter than the window.

#include "ui/main/MainDialog.h"

#include "ui/widgets/CXListCtrl.h"

#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>

namespace velmont {

namespace {

constexpr QRect kListPlace{24, 145, 556, 256};
constexpr int kFrameWidth = 5;
// The list keeps a header and four rows.
constexpr int kListMinimumHeight = 130;
// Where a shortened window leaves out a band of its background: inside the
// list, which covers it.
constexpr int kBackgroundCut = kListPlace.top() + 8;

void DrawFrame(QPainter& painter, const QRect& area) {
    const QColor black(Qt::black);
    painter.fillRect(QRect(0, 0, area.width(), kFrameWidth), black);
    painter.fillRect(QRect(0, area.height() - kFrameWidth, area.width(), kFrameWidth), black);
    painter.fillRect(QRect(0, 0, kFrameWidth, area.height()), black);
    painter.fillRect(QRect(area.width() - kFrameWidth, 0, kFrameWidth, area.height()), black);
}

} // namespace

void MainDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& background =
        devicePixelRatioF() > 1.0 && !background2x_.isNull() ? background2x_ : background_;
    if (background.isNull()) {
        painter.fillRect(rect(), QColor(0x2f, 0x6f, 0xc0));
    } else {
        const QPixmap tiles = QPixmap::fromImage(background);
        painter.setClipRect(QRect(0, 0, width(), kBackgroundCut));
        painter.drawTiledPixmap(QRect(0, 0, width(), kHeight), tiles);
        // Below the cut the background is drawn as far up as the list shrank.
        painter.setClipRect(QRect(0, kBackgroundCut, width(), height() - kBackgroundCut));
        painter.drawTiledPixmap(QRect(0, -listShrink_, width(), kHeight), tiles);
        painter.setClipping(false);
    }
    DrawFrame(painter, rect());
}

void MainDialog::showEvent(QShowEvent* event) {
    DraggableDialog::showEvent(event);
    if (QScreen* shown = screen())
        FitToScreen(shown->availableGeometry());
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &MainDialog::OnScreenChanged,
                Qt::UniqueConnection);
}

void MainDialog::OnScreenChanged(QScreen* screen) {
    if (screen)
        FitToScreen(screen->availableGeometry());
}

void MainDialog::FitToScreen(const QRect& available) {
    const int shrink =
        std::clamp(kHeight - available.height(), 0, kListPlace.height() - kListMinimumHeight);
    const int change = shrink - listShrink_;
    if (change == 0)
        return;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (child == list_)
            list_->resize(list_->width(), list_->height() - change);
        else if (child->y() > kListPlace.top())
            child->move(child->x(), child->y() - change);
    }
    listShrink_ = shrink;
    setFixedSize(kWidth, kHeight - shrink);
    update();
}

} // namespace velmont
