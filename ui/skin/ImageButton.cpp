#include "ui/skin/ImageButton.h"

#include "ui/skin/SkinArt.h"
#include "ui/widgets/QtDesktop.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionFocusRect>

namespace velmont {

namespace {

// A dark ring with a light one inside: seen on the light panels and on the
// blue background alike.
void DrawKeyboardFocus(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x0B, 0x25, 0x45), 2));
    painter.drawRoundedRect(QRectF(area).adjusted(1, 1, -1, -1), 5, 5);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRoundedRect(QRectF(area).adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
    painter.restore();
}

constexpr int kMaxUrlBytes = 259;

// Cuts UTF-8 text to at most maxBytes without splitting a character.
QString TruncatedUtf8(const QString& text, int maxBytes) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return text;
    int cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return QString::fromUtf8(bytes);
}

// "images/add_hover.png" is painted at twice the size as "images/add_hover@2x.png".
QString DoubleSizePath(const QString& path) {
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= path.lastIndexOf(QLatin1Char('/')))
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

} // namespace

QColor ColourFromBgr(std::uint32_t keyBgr) {
    return QColor(int(keyBgr & 0xFF), int((keyBgr >> 8) & 0xFF), int((keyBgr >> 16) & 0xFF));
}

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    skin::InitSkinResources();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        setFocus(Qt::MouseFocusReason);
        OpenUrl();
    });
}

std::optional<ImageButton::Image> ImageButton::MakeImage(const QImage& source,
                                                         std::uint32_t keyBgr) {
    if (source.isNull() || source.width() <= 0 || source.height() <= 0)
        return std::nullopt;
    Image image;
    image.pixels = source.convertToFormat(QImage::Format_ARGB32);
    if (image.pixels.isNull())
        return std::nullopt;
    // The key colour becomes see-through, so the parent's pixels show there.
    const QRgb key = ColourFromBgr(keyBgr).rgb() & RGB_MASK;
    for (int y = 0; y < image.pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.pixels.scanLine(y));
        for (int x = 0; x < image.pixels.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    image.pixels = image.pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

int ImageButton::SetBitmaps(const QString& hoverImage, std::uint32_t hoverKeyBgr,
                            const QString& normalImage, std::uint32_t normalKeyBgr) {
    const QImage hover(hoverImage);
    const QImage normal = normalImage.isEmpty() ? QImage() : QImage(normalImage);
    if (!normalImage.isEmpty() && normal.isNull()) {
        FreeImages();
        update();
        return BitmapNotLoaded;
    }
    const int result = SetBitmaps(hover, hoverKeyBgr, normal, normalKeyBgr);
    if (result != BitmapOk)
        return result;
    // Sharp art on a 2x screen, where the artwork has a double-size copy.
    SetDoubleSizeBitmaps(QImage(DoubleSizePath(hoverImage)), hoverKeyBgr,
                         normalImage.isEmpty() ? QImage() : QImage(DoubleSizePath(normalImage)),
                         normalKeyBgr);
    return result;
}

void ImageButton::SetDoubleSizeBitmaps(const QImage& hoverImage, std::uint32_t hoverKeyBgr,
                                       const QImage& normalImage, std::uint32_t normalKeyBgr) {
    AddDoubleSize(hover_, hoverImage, hoverKeyBgr);
    if (!normal_.IsNull())
        AddDoubleSize(normal_, normalImage, normalKeyBgr);
}

void ImageButton::AddDoubleSize(Image& image, const QImage& big, std::uint32_t keyBgr) {
    if (big.isNull() || big.size() != image.pixels.size() * 2)
        return;
    if (auto made = MakeImage(big, keyBgr)) {
        image.pixels2x = made->pixels;
        image.pixels2x.setDevicePixelRatio(2.0);
    }
}

int ImageButton::SetBitmaps(const QImage& hoverImage, std::uint32_t hoverKeyBgr,
                            const QImage& normalImage, std::uint32_t normalKeyBgr) {
    FreeImages();
    int result = BitmapOk;
    if (hoverImage.isNull()) {
        result = BitmapNotLoaded;
    } else if (auto hover = MakeImage(hoverImage, hoverKeyBgr)) {
        hover_ = std::move(*hover);
        if (!normalImage.isNull()) {
            if (auto normal = MakeImage(normalImage, normalKeyBgr))
                normal_ = std::move(*normal);
            else
                result = BitmapNoMask;
        }
    } else {
        result = BitmapNoMask;
    }
    if (result != BitmapOk)
        FreeImages();
    updateGeometry();
    update();
    return result;
}

void ImageButton::FreeImages() {
    hover_ = {};
    normal_ = {};
}

void ImageButton::SetFlat(bool flat, bool repaint) {
    flat_ = flat;
    if (!flat_)
        hovered_ = false;
    if (repaint)
        update();
}

void ImageButton::SetDrawBorder(bool drawBorder, bool repaint) {
    drawBorder_ = drawBorder;
    if (repaint)
        update();
}

void ImageButton::SetDrawFlatFocus(bool drawFocus, bool repaint) {
    drawFlatFocus_ = drawFocus;
    if (repaint)
        update();
}

void ImageButton::SetDrawTransparent(bool repaint) {
    drawTransparent_ = true;
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    if (repaint)
        update();
}

void ImageButton::SetGreyedDisabledLook(bool greyed) {
    greyedDisabledLook_ = greyed;
    update();
}

void ImageButton::SetBackgroundColours(const QColor& hover, const QColor& normal,
                                       const QColor& focused) {
    hoverBackground_ = hover;
    normalBackground_ = normal;
    focusedBackground_ = focused;
    update();
}

void ImageButton::SizeToContent() {
    imageMargin_ = {0, 0};
    if (!hover_.IsNull())
        resize(hover_.pixels.size());
}

void ImageButton::SetTooltipText(const QString& text, bool activate) {
    if (text.isNull())
        return;
    tooltipText_ = text;
    tooltipActive_ = activate;
    ShowTooltip();
}

void ImageButton::SetAccessibleName(const QString& name) {
    setAccessibleName(name);
    ShowTooltip();
}

void ImageButton::SetShortcut(const QKeySequence& key) {
    setShortcut(key);
    ShowTooltip();
}

void ImageButton::ShowTooltip() {
    const QString keyText = shortcut().toString(QKeySequence::NativeText);
    QString text = tooltipText_.isEmpty() ? QString() : tooltipText_;
    if (!keyText.isEmpty()) {
        // A button without a tooltip of its own still tells its key.
        if (text.isEmpty())
            text = accessibleName();
        text = text.isEmpty() ? keyText : text + QStringLiteral(" (") + keyText + QLatin1Char(')');
    }
    const bool active = tooltipText_.isEmpty() ? !keyText.isEmpty() : tooltipActive_;
    setToolTip(active ? text : QString());
}

int ImageButton::SetHoverCursor(const QString& cursorImage, QPoint hotSpot) {
    hoverCursor_.reset();
    unsetCursor();
    if (cursorImage.isEmpty())
        return 0;
    const QPixmap pixels(cursorImage);
    if (pixels.isNull())
        return 1;
    SetHoverCursor(QCursor(pixels, hotSpot.x(), hotSpot.y()));
    return 0;
}

void ImageButton::SetHoverCursor(const QCursor& cursor) {
    hoverCursor_ = cursor;
    // Qt shows a widget's cursor exactly while the pointer is over it.
    setCursor(cursor);
}

void ImageButton::SetUrl(const QString& url) {
    url_ = TruncatedUtf8(url, kMaxUrlBytes);
}

void ImageButton::OpenUrl() {
    if (url_.isEmpty())
        return;
    IDesktop& desktop = desktop_ ? *desktop_ : SystemDesktop();
    desktop.OpenUrl(url_.toStdString()); // an address that cannot be opened is ignored
}

const ImageButton::Image* ImageButton::ImageForState() const {
    if (hover_.IsNull())
        return nullptr;
    if (hovered_ || isDown() || normal_.IsNull())
        return &hover_;
    return &normal_;
}

QImage ImageButton::CurrentImage() const {
    const Image* image = ImageForState();
    if (!image)
        return {};
    if (!isEnabled() && greyedDisabledLook_)
        return Greyed(image->pixels);
    return image->pixels;
}

QImage ImageButton::PixelsForScreen(const Image& image) const {
    if (devicePixelRatioF() > 1.0 && !image.pixels2x.isNull())
        return image.pixels2x;
    return image.pixels;
}

QImage ImageButton::Greyed(const QImage& pixels) {
    // Composed on white and washed out to light greys; see-through stays so.
    QImage result = pixels.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 0)
                continue;
            const int onWhite = (qGray(line[x]) * alpha + 255 * (255 - alpha)) / 255;
            const int grey = 110 + onWhite * 125 / 255;
            line[x] = qRgba(grey, grey, grey, 255);
        }
    }
    result = result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(pixels.devicePixelRatio());
    return result;
}

QSize ImageButton::sizeHint() const {
    if (hover_.IsNull())
        return QAbstractButton::sizeHint().expandedTo({16, 16});
    return hover_.pixels.size();
}

void ImageButton::DrawBackground(QPainter& painter, QRect& rect) {
    if (drawTransparent_)
        return; // the parent's pixels are already there
    if (!flat_ && hasFocus()) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        rect.adjust(1, 1, -1, -1);
    }
    QColor fill;
    if (hovered_ || isDown())
        fill = hoverBackground_;
    else if (hasFocus())
        fill = focusedBackground_;
    else
        fill = normalBackground_;
    if (!fill.isValid())
        fill = palette().color(QPalette::Button);
    painter.fillRect(rect, fill);
}

void ImageButton::DrawBorder(QPainter& painter, const QRect& rect) {
    const QPalette& colours = palette();
    const QRect r = rect.adjusted(0, 0, -1, -1);
    auto frame = [&](const QColor& topLeft, const QColor& bottomRight, const QRect& box) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    if (isDown()) {
        if (flat_) {
            if (drawBorder_)
                frame(colours.color(QPalette::Dark), colours.color(QPalette::Light), r);
        } else {
            painter.setPen(colours.color(QPalette::Dark));
            painter.drawRect(r);
        }
        return;
    }
    if (!flat_) {
        frame(colours.color(QPalette::Light), colours.color(QPalette::Shadow), r);
        frame(colours.color(QPalette::Midlight), colours.color(QPalette::Dark),
              r.adjusted(1, 1, -1, -1));
    } else if (hovered_ && drawBorder_) {
        frame(colours.color(QPalette::Light), colours.color(QPalette::Dark), r);
    }
}

void ImageButton::DrawText(QPainter& painter, const QRect& textArea) {
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    if (!isEnabled()) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(textArea.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(textArea, flags, text());
        return;
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textArea, flags, text());
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    DrawBackground(painter, area);
    DrawBorder(painter, area);

    const bool pressed = isDown();
    const QPoint offset = pressed ? pressedOffset_ : QPoint();
    QRect textArea = area;
    if (const Image* image = ImageForState()) {
        const QSize size = image->pixels.size();
        QPoint at;
        if (!text().isEmpty()) {
            at = {area.left() + imageMargin_.x(), area.top() + (area.height() - size.height()) / 2};
            textArea.setLeft(area.left() + imageMargin_.x() + size.width());
        } else {
            at = {area.left() + (area.width() - size.width()) / 2,
                  area.top() + (area.height() - size.height()) / 2};
        }
        at += offset;
        const QImage shown = PixelsForScreen(*image);
        painter.drawImage(at, !isEnabled() && greyedDisabledLook_ ? Greyed(shown) : shown);
    }
    if (!text().isEmpty())
        DrawText(painter, textArea.translated(offset));

    if (hasFocus() && keyboardFocus_) {
        DrawKeyboardFocus(painter, rect());
    } else if (hasFocus() && (!flat_ || drawFlatFocus_)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ImageButton::BeginHover() {
    if (!flat_ || hovered_ || !isEnabled())
        return;
    if (!alwaysTrack_ && !QApplication::activeWindow())
        return;
    hovered_ = true;
    update();
}

void ImageButton::EndHover() {
    if (!hovered_)
        return;
    hovered_ = false;
    update();
}

void ImageButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    // A press that started elsewhere does not light the button.
    if (QGuiApplication::mouseButtons() & Qt::LeftButton)
        return;
    BeginHover();
}

void ImageButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    EndHover();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    if ((event->buttons() & Qt::LeftButton) && !hovered_ && !isDown())
        return;
    if (rect().contains(event->position().toPoint()))
        BeginHover();
    else if (!isDown())
        EndHover();
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click is a click like any other.
    mousePressEvent(event);
}

void ImageButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    keyboardFocus_ = event->reason() == Qt::TabFocusReason ||
                     event->reason() == Qt::BacktabFocusReason ||
                     event->reason() == Qt::ShortcutFocusReason;
    update();
}

void ImageButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    keyboardFocus_ = false;
    EndHover();
}

void ImageButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        if (hasFocus())
            focusNextChild();
        EndHover();
    } else if (event->type() == QEvent::ActivationChange && !isActiveWindow() && !alwaysTrack_) {
        EndHover();
    }
    update();
}

} // namespace velmont
