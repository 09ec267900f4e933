#include "ui/skin/ImageButton.h"

#include "ui/skin/SkinArt.h"
#include "ui/widgets/QtDesktop.h"

#include <QPainter>

namespace velmont {

QColor ColourFromBgr(std::uint32_t keyBgr) {
    return QColor(int(keyBgr & 0xFF), int((keyBgr >> 8) & 0xFF), int((keyBgr >> 16) & 0xFF));
}

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    skin::InitSkinResources();
}

int ImageButton::SetBitmaps(const QString& hoverImage, std::uint32_t hoverKeyBgr,
                            const QString& normalImage, std::uint32_t normalKeyBgr) {
    return SetBitmaps(QImage(hoverImage), hoverKeyBgr,
                      normalImage.isEmpty() ? QImage() : QImage(normalImage), normalKeyBgr);
}

int ImageButton::SetBitmaps(const QImage&, std::uint32_t, const QImage&, std::uint32_t) {
    return BitmapNotLoaded;
}

void ImageButton::SetFlat(bool flat, bool) {
    flat_ = flat;
}
void ImageButton::SetDrawBorder(bool drawBorder, bool) {
    drawBorder_ = drawBorder;
}
void ImageButton::SetDrawFlatFocus(bool drawFocus, bool) {
    drawFlatFocus_ = drawFocus;
}
void ImageButton::SetDrawTransparent(bool) {
    drawTransparent_ = true;
}
void ImageButton::SetGreyedDisabledLook(bool greyed) {
    greyedDisabledLook_ = greyed;
}
void ImageButton::SetBackgroundColours(const QColor& hover, const QColor& normal,
                                       const QColor& focused) {
    hoverBackground_ = hover;
    normalBackground_ = normal;
    focusedBackground_ = focused;
}
void ImageButton::SizeToContent() {}
void ImageButton::SetTooltipText(const QString& text, bool) {
    setToolTip(text);
}
int ImageButton::SetHoverCursor(const QString&, QPoint) {
    return 1;
}
void ImageButton::SetHoverCursor(const QCursor& cursor) {
    hoverCursor_ = cursor;
}
void ImageButton::SetUrl(const QString& url) {
    url_ = url;
}
QImage ImageButton::CurrentImage() const {
    return {};
}
QSize ImageButton::sizeHint() const {
    return hover_.pixels.size();
}

void ImageButton::paintEvent(QPaintEvent*) {}
void ImageButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
}
void ImageButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
}
void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
}
void ImageButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
}
void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
void ImageButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
}
void ImageButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
}

} // namespace velmont
