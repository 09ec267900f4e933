#include "ui/skin/art/SkinArtPainter.h"

#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace velmont::skin {

namespace {

// One palette for the whole window.
const QColor kNavy(0x0B, 0x25, 0x45);
const QColor kHeaderTop(0x0A, 0x2A, 0x66);
const QColor kHeaderBottom(0x14, 0x56, 0xC8);
const QColor kBlue(0x1E, 0x74, 0xE0);
const QColor kBlueLight(0x4D, 0xA3, 0xFF);
const QColor kSurface(0xEC, 0xF1, 0xF8);
const QColor kCard(0xFF, 0xFF, 0xFF);
const QColor kTint(0xEE, 0xF4, 0xFD);
const QColor kBorder(0xD3, 0xDE, 0xEC);
const QColor kMuted(0x5B, 0x6B, 0x7F);
const QColor kOrange(0xFF, 0x8A, 0x3D);
const QColor kOrangeDeep(0xEE, 0x5A, 0x0C);
const QColor kRed(0xE5, 0x48, 0x4D);

constexpr int kWindowWidth = 605;
constexpr int kWindowHeight = 567;
constexpr int kHeaderHeight = 82;
const QRect kCardRect(14, 84, 577, 374);

QFont Font(int pixelSize, int weight = QFont::Bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The font at `pixelSize`, or smaller until `text` fits `width`.
QFont FittedFont(int pixelSize, const QString& text, qreal width) {
    QFont font = Font(pixelSize);
    while (pixelSize > 8 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font = Font(--pixelSize);
    return font;
}

QImage Transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath RoundedRect(const QRectF& box, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QImage PaintBackground(int scale) {
    QImage image(kWindowWidth * scale, kWindowHeight * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(kSurface);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Header band with a soft diagonal light.
    QLinearGradient header(0, 0, kWindowWidth, kHeaderHeight);
    header.setColorAt(0, kHeaderTop);
    header.setColorAt(1, kHeaderBottom);
    p.fillRect(QRect(0, 0, kWindowWidth, kHeaderHeight), header);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        QRadialGradient glow(QPointF(470 + i * 60, -30 + i * 25), 140 - i * 25);
        glow.setColorAt(0, QColor(255, 255, 255, 34 - i * 8));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(glow);
        p.drawRect(QRect(0, 0, kWindowWidth, kHeaderHeight));
    }
    p.fillRect(QRect(0, kHeaderHeight - 2, kWindowWidth, 2), QColor(0x0A, 0x1F, 0x4A, 120));

    // The card that holds the commands, the list and the output folder.
    for (int spread = 6; spread >= 1; --spread) {
        p.setBrush(QColor(0x0B, 0x25, 0x45, 5));
        p.drawPath(RoundedRect(QRectF(kCardRect).adjusted(-spread, -spread + 2, spread, spread + 2),
                               10 + spread));
    }
    p.setBrush(kCard);
    p.setPen(QPen(kBorder, 1));
    p.drawPath(RoundedRect(QRectF(kCardRect).adjusted(0.5, 0.5, -0.5, -0.5), 10));
    // A hairline between the command row and the list, and above the output row.
    p.setPen(QPen(QColor(0xE3, 0xEA, 0xF3), 1));
    p.drawLine(QPointF(26, 142.5), QPointF(578, 142.5));
    p.drawLine(QPointF(26, 407.5), QPointF(578, 407.5));
    // A quiet frame where the list sits.
    p.setPen(QPen(kBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(23.5, 144.5, 557, 257));
    return image;
}

// A shape painter for one image: gets the painter and the image's size.
using Draw = std::function<void(QPainter&, QSizeF)>;

// Paints `draw` over the window background at `at`, then turns every pixel
// the drawing left untouched into the colour key. Edges are blended with the
// real background, so the button has no halo at its place.
QImage Compose(const QImage& background, QPoint at, QSize logicalSize, std::uint32_t keyBgr,
               const Draw& draw, int scale) {
    const QSize size = logicalSize * scale;
    QImage shape = Transparent(size);
    {
        QPainter p(&shape);
        p.scale(scale, scale);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        draw(p, QSizeF(logicalSize));
    }
    QImage result = background.copy(QRect(at * scale, size)).convertToFormat(QImage::Format_ARGB32);
    {
        QPainter p(&result);
        p.drawImage(0, 0, shape);
    }
    const QRgb key = ColourFromBgr(keyBgr).rgb();
    const QImage coverage = shape.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (qAlpha(in[x]) == 0) {
                out[x] = key;
            } else if ((out[x] & RGB_MASK) == (key & RGB_MASK)) {
                // A drawn pixel must never read as see-through.
                out[x] = qRgb(qRed(out[x]), qGreen(out[x]), qBlue(out[x]) ^ 1);
            }
        }
    }
    return result.convertToFormat(QImage::Format_RGB32);
}

// --- glyphs, drawn in a square box ---------------------------------------

QPen Stroke(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PlusGlyph(QPainter& p, const QRectF& box, const QColor& colour) {
    p.setPen(Stroke(colour, box.width() * 0.14));
    const QPointF c = box.center();
    const qreal r = box.width() * 0.3;
    p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
}

void MinusGlyph(QPainter& p, const QRectF& box, const QColor& colour) {
    p.setPen(Stroke(colour, box.width() * 0.14));
    const QPointF c = box.center();
    const qreal r = box.width() * 0.3;
    p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
}

void GearGlyph(QPainter& p, const QRectF& box, const QColor& colour, const QColor& hole) {
    const QPointF c = box.center();
    const qreal outer = box.width() * 0.48;
    const qreal inner = box.width() * 0.36;
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal angle = (i / qreal(teeth * 4)) * 2 * M_PI;
        const qreal radius = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF point = c + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(gear);
    p.setBrush(hole);
    p.drawEllipse(c, box.width() * 0.15, box.width() * 0.15);
}

void ChevronGlyph(QPainter& p, const QRectF& box, const QColor& colour, bool down) {
    const QPointF c = box.center();
    const qreal w = box.width() * 0.32;
    const qreal h = box.width() * 0.18;
    const qreal s = down ? 1 : -1;
    p.setPen(Stroke(colour, box.width() * 0.15));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(c + QPointF(-w, -h * s));
    path.lineTo(c + QPointF(0, h * s));
    path.lineTo(c + QPointF(w, -h * s));
    p.drawPath(path);
}

void PlayGlyph(QPainter& p, const QRectF& box, const QColor& colour) {
    const QPointF c = box.center();
    const qreal r = box.width() * 0.3;
    QPainterPath tri;
    tri.moveTo(c + QPointF(-r * 0.7, -r));
    tri.lineTo(c + QPointF(r, 0));
    tri.lineTo(c + QPointF(-r * 0.7, r));
    tri.closeSubpath();
    p.setPen(Stroke(colour, box.width() * 0.06));
    p.setBrush(colour);
    p.drawPath(tri);
}

void TagGlyph(QPainter& p, const QRectF& box, const QColor& colour, const QColor& hole) {
    const qreal w = box.width();
    QPainterPath tag;
    tag.moveTo(box.left() + w * 0.12, box.top() + w * 0.2);
    tag.lineTo(box.left() + w * 0.55, box.top() + w * 0.2);
    tag.lineTo(box.left() + w * 0.92, box.top() + w * 0.5);
    tag.lineTo(box.left() + w * 0.55, box.top() + w * 0.8);
    tag.lineTo(box.left() + w * 0.12, box.top() + w * 0.8);
    tag.closeSubpath();
    p.setPen(Stroke(colour, w * 0.06));
    p.setBrush(colour);
    p.drawPath(tag);
    p.setPen(Qt::NoPen);
    p.setBrush(hole);
    p.drawEllipse(QPointF(box.left() + w * 0.58, box.top() + w * 0.5), w * 0.07, w * 0.07);
    // Two text lines on the tag.
    p.setPen(Stroke(hole, w * 0.06));
    p.drawLine(QPointF(box.left() + w * 0.22, box.top() + w * 0.42),
               QPointF(box.left() + w * 0.42, box.top() + w * 0.42));
    p.drawLine(QPointF(box.left() + w * 0.22, box.top() + w * 0.58),
               QPointF(box.left() + w * 0.36, box.top() + w * 0.58));
}

void FolderGlyph(QPainter& p, const QRectF& box, const QColor& back, const QColor& front) {
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath rear;
    rear.moveTo(box.left(), box.top() + h * 0.15);
    rear.lineTo(box.left() + w * 0.38, box.top() + h * 0.15);
    rear.lineTo(box.left() + w * 0.48, box.top() + h * 0.28);
    rear.lineTo(box.right(), box.top() + h * 0.28);
    rear.lineTo(box.right(), box.bottom());
    rear.lineTo(box.left(), box.bottom());
    rear.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawPath(RoundedRect(rear.boundingRect(), 2).intersected(rear));
    QPainterPath lid;
    lid.moveTo(box.left() + w * 0.1, box.top() + h * 0.42);
    lid.lineTo(box.right() + w * 0.04, box.top() + h * 0.42);
    lid.lineTo(box.right() - w * 0.06, box.bottom());
    lid.lineTo(box.left(), box.bottom());
    lid.closeSubpath();
    p.setBrush(front);
    p.drawPath(lid);
}

void QuestionGlyph(QPainter& p, const QRectF& box, const QColor& colour, int pixelSize) {
    p.setPen(colour);
    p.setFont(Font(pixelSize));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

void ExitGlyph(QPainter& p, const QRectF& box, const QColor& colour) {
    const qreal w = box.width();
    p.setPen(Stroke(colour, w * 0.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath door;
    door.moveTo(box.left() + w * 0.55, box.top() + w * 0.15);
    door.lineTo(box.left() + w * 0.15, box.top() + w * 0.15);
    door.lineTo(box.left() + w * 0.15, box.top() + w * 0.85);
    door.lineTo(box.left() + w * 0.55, box.top() + w * 0.85);
    p.drawPath(door);
    p.drawLine(QPointF(box.left() + w * 0.4, box.center().y()),
               QPointF(box.left() + w * 0.9, box.center().y()));
    QPainterPath head;
    head.moveTo(box.left() + w * 0.72, box.top() + w * 0.32);
    head.lineTo(box.left() + w * 0.9, box.center().y());
    head.lineTo(box.left() + w * 0.72, box.top() + w * 0.68);
    p.drawPath(head);
}

void BookGlyph(QPainter& p, const QRectF& box, const QColor& colour) {
    const qreal w = box.width();
    p.setPen(Stroke(colour, w * 0.09));
    p.setBrush(Qt::NoBrush);
    QPainterPath book;
    const QPointF spineTop(box.center().x(), box.top() + w * 0.25);
    const QPointF spineBottom(box.center().x(), box.top() + w * 0.85);
    book.moveTo(spineTop);
    book.quadTo(box.left() + w * 0.3, box.top() + w * 0.12, box.left() + w * 0.08,
                box.top() + w * 0.2);
    book.lineTo(box.left() + w * 0.08, box.top() + w * 0.78);
    book.quadTo(box.left() + w * 0.3, box.top() + w * 0.7, spineBottom.x(), spineBottom.y());
    book.quadTo(box.left() + w * 0.7, box.top() + w * 0.7, box.left() + w * 0.92,
                box.top() + w * 0.78);
    book.lineTo(box.left() + w * 0.92, box.top() + w * 0.2);
    book.quadTo(box.left() + w * 0.7, box.top() + w * 0.12, spineTop.x(), spineTop.y());
    book.lineTo(spineBottom);
    p.drawPath(book);
}

void WaveGlyph(QPainter& p, const QRectF& box, const QColor& colour) {
    // Sound bars and a play mark: the product's sign.
    const qreal w = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal heights[] = {0.28, 0.5, 0.36};
    for (int i = 0; i < 3; ++i) {
        const qreal h = w * heights[i];
        const QRectF bar(box.left() + w * (0.14 + i * 0.13), box.center().y() - h / 2, w * 0.08, h);
        p.drawRoundedRect(bar, w * 0.04, w * 0.04);
    }
    QPainterPath tri;
    tri.moveTo(box.left() + w * 0.56, box.top() + w * 0.28);
    tri.lineTo(box.left() + w * 0.88, box.center().y());
    tri.lineTo(box.left() + w * 0.56, box.top() + w * 0.72);
    tri.closeSubpath();
    p.setPen(Stroke(colour, w * 0.05));
    p.drawPath(tri);
}

// --- button looks ----------------------------------------------------------

enum class Look { Normal, Hover };

void CardFill(QPainter& p, QSizeF size, Look look, qreal radius, const QColor& accent = kBlue,
              const QColor& accentLight = kBlueLight) {
    const QRectF box(0.5, 0.5, size.width() - 1, size.height() - 1);
    if (look == Look::Hover) {
        QLinearGradient fill(0, 0, 0, size.height());
        fill.setColorAt(0, accentLight);
        fill.setColorAt(1, accent);
        p.setPen(QPen(accent.darker(115), 1));
        p.setBrush(fill);
    } else {
        p.setPen(QPen(kBorder, 1));
        p.setBrush(kTint);
    }
    p.drawPath(RoundedRect(box, radius));
}

// Icon above a label: the command buttons of the top row, Tag.
Draw StackedButton(
    const QString& label,
    std::function<void(QPainter&, const QRectF&, const QColor&, const QColor&)> glyph, Look look) {
    return [label, glyph, look](QPainter& p, QSizeF size) {
        CardFill(p, size, look, 9);
        const QColor ink = look == Look::Hover ? Qt::white : kBlue;
        const QColor back = look == Look::Hover ? kBlue : kTint;
        const qreal icon = 20;
        glyph(p, QRectF((size.width() - icon) / 2, 6, icon, icon), ink, back);
        p.setFont(FittedFont(12, label, size.width() - 4));
        p.setPen(look == Look::Hover ? QColor(Qt::white) : kNavy);
        p.drawText(QRectF(0, 28, size.width(), 18), Qt::AlignCenter, label);
    };
}

// Icon beside a label: Help and Exit.
Draw InlineButton(const QString& label,
                  std::function<void(QPainter&, const QRectF&, const QColor&)> glyph, Look look,
                  const QColor& hoverAccent, const QColor& hoverAccentLight) {
    return [=](QPainter& p, QSizeF size) {
        CardFill(p, size, look, size.height() / 2 - 1, hoverAccent, hoverAccentLight);
        const QColor ink = look == Look::Hover ? QColor(Qt::white) : kNavy;
        glyph(p, QRectF(16, (size.height() - 18) / 2, 18, 18),
              look == Look::Hover ? QColor(Qt::white) : kBlue);
        const QRectF area(38, 0, size.width() - 46, size.height());
        p.setFont(FittedFont(13, label, area.width()));
        p.setPen(ink);
        p.drawText(area, Qt::AlignCenter, label);
    };
}

// An icon alone: move up, move down, play.
Draw IconButton(std::function<void(QPainter&, const QRectF&, const QColor&)> glyph, Look look) {
    return [glyph, look](QPainter& p, QSizeF size) {
        const QRectF box(0.5, 0.5, size.width() - 1, size.height() - 1);
        if (look == Look::Hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawPath(RoundedRect(box, 6));
        }
        const qreal side = std::min(size.width(), size.height()) - 4;
        glyph(p, QRectF((size.width() - side) / 2, (size.height() - side) / 2, side, side),
              look == Look::Hover ? QColor(Qt::white) : kBlue);
    };
}

// Caption buttons on the dark header: about, minimise, close.
Draw CaptionButton(std::function<void(QPainter&, const QRectF&, const QColor&)> glyph, Look look,
                   const QColor& hoverFill) {
    return [glyph, look, hoverFill](QPainter& p, QSizeF size) {
        const QRectF box(1, 1, size.width() - 2, size.height() - 2);
        if (look == Look::Hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(hoverFill);
            p.drawEllipse(box);
        } else {
            p.setPen(QPen(QColor(255, 255, 255, 90), 1));
            p.setBrush(QColor(255, 255, 255, 28));
            p.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        }
        glyph(p, box.adjusted(5, 5, -5, -5), Qt::white);
    };
}

Draw ConvertButton(const QString& label, Look look) {
    return [label, look](QPainter& p, QSizeF size) {
        const QRectF box(1.5, 1.5, size.width() - 3, size.height() - 5);
        // A soft drop shadow inside the image's own area.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xB0, 0x40, 0x00, look == Look::Hover ? 70 : 45));
        p.drawPath(RoundedRect(box.translated(0, 2.5), box.height() / 2));
        QLinearGradient fill(0, 0, 0, size.height());
        fill.setColorAt(0, look == Look::Hover ? kOrange.lighter(122) : kOrange);
        fill.setColorAt(1, look == Look::Hover ? kOrange : kOrangeDeep);
        p.setBrush(fill);
        p.setPen(QPen(kOrangeDeep.darker(110), 1));
        p.drawPath(RoundedRect(box, box.height() / 2));
        // Gloss on the upper half.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, look == Look::Hover ? 46 : 30));
        p.drawPath(RoundedRect(
            QRectF(box.left() + 6, box.top() + 3, box.width() - 12, box.height() / 2 - 4),
            box.height() / 4));
        // Arrow in a ring, then the label.
        const QRectF ring(box.left() + 18, box.center().y() - 15, 30, 30);
        p.setBrush(QColor(255, 255, 255, 50));
        p.drawEllipse(ring);
        PlayGlyph(p, ring.adjusted(4, 4, -2, -4), Qt::white);
        const QRectF area(ring.right() + 6, box.top(), box.right() - ring.right() - 20,
                          box.height());
        p.setFont(FittedFont(21, label, area.width()));
        p.setPen(Qt::white);
        p.drawText(area, Qt::AlignCenter, label);
    };
}

Draw FolderButton(Look look) {
    return [look](QPainter& p, QSizeF size) {
        CardFill(p, size, look, 9);
        const QRectF icon((size.width() - 24) / 2, (size.height() - 19) / 2, 24, 19);
        if (look == Look::Hover)
            FolderGlyph(p, icon, QColor(255, 255, 255, 150), Qt::white);
        else
            FolderGlyph(p, icon, kBlueLight, kBlue);
    };
}

Draw OutputLabel(const QString& label) {
    return [label](QPainter& p, QSizeF size) {
        FolderGlyph(p, QRectF(1, 3, 18, 14), kBlueLight, kBlue);
        const QRectF area(24, 0, size.width() - 24, size.height());
        p.setFont(FittedFont(12, label, area.width()));
        p.setPen(kNavy);
        p.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, label);
    };
}

Draw Brand() {
    return [](QPainter& p, QSizeF size) {
        // The mark: a rounded square with the product's sign.
        const QRectF mark(4, (size.height() - 48) / 2, 48, 48);
        QLinearGradient fill(mark.topLeft(), mark.bottomRight());
        fill.setColorAt(0, QColor(0x6F, 0xB8, 0xFF));
        fill.setColorAt(1, QColor(0x1E, 0x74, 0xE0));
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(fill);
        p.drawPath(RoundedRect(mark, 12));
        WaveGlyph(p, mark.adjusted(6, 6, -6, -6), Qt::white);
        p.setPen(Qt::white);
        p.setFont(Font(24));
        p.drawText(QRectF(64, 8, size.width() - 64, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Velmont"));
        p.setPen(QColor(0xC9, 0xDD, 0xFF));
        p.setFont(Font(13, QFont::Normal));
        p.drawText(QRectF(65, 36, size.width() - 65, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Media Converter"));
    };
}

Draw HomePageLink(Look look) {
    return [look](QPainter& p, QSizeF size) {
        const QColor ink = look == Look::Hover ? QColor(Qt::white) : QColor(0xA9, 0xCB, 0xFF);
        QFont font = Font(12, QFont::DemiBold);
        font.setUnderline(look == Look::Hover);
        p.setFont(font);
        p.setPen(ink);
        const QString text = QStringLiteral("velmont.example");
        const QRectF area(2, 0, size.width() - 20, size.height());
        p.drawText(area, Qt::AlignRight | Qt::AlignVCenter, text);
        // An outward arrow after the text.
        const qreal x = size.width() - 14;
        const qreal y = size.height() / 2;
        p.setPen(Stroke(ink, 1.6));
        p.drawLine(QPointF(x, y + 4), QPointF(x + 8, y - 4));
        p.drawLine(QPointF(x + 3, y - 4), QPointF(x + 8, y - 4));
        p.drawLine(QPointF(x + 8, y - 4), QPointF(x + 8, y + 1));
    };
}

QImage PaintAppIcon() {
    QImage image = Transparent({256, 256});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(12, 12, 232, 232);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(0x6F, 0xB8, 0xFF));
    fill.setColorAt(0.55, kBlue);
    fill.setColorAt(1, kHeaderTop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0B, 0x25, 0x45, 60));
    p.drawPath(RoundedRect(box.translated(0, 5), 54));
    p.setBrush(fill);
    p.drawPath(RoundedRect(box, 54));
    p.setBrush(QColor(255, 255, 255, 36));
    p.drawPath(RoundedRect(QRectF(28, 22, 200, 96), 46));
    WaveGlyph(p, box.adjusted(30, 30, -30, -30), Qt::white);
    // The orange convert arrow in the corner.
    const QRectF badge(160, 160, 72, 72);
    p.setBrush(kOrange);
    p.setPen(QPen(Qt::white, 6));
    p.drawEllipse(badge);
    p.setPen(Stroke(Qt::white, 9));
    p.drawLine(QPointF(178, 196), QPointF(212, 196));
    p.drawLine(QPointF(198, 182), QPointF(213, 196));
    p.drawLine(QPointF(198, 210), QPointF(213, 196));
    return image;
}

QImage PaintLinkCursor() {
    QImage image = Transparent({32, 32});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // A pointer arrow with a small link badge: the tip is the hot spot.
    QPainterPath arrow;
    arrow.moveTo(4, 2);
    arrow.lineTo(4, 22);
    arrow.lineTo(9, 17.5);
    arrow.lineTo(12.5, 25.5);
    arrow.lineTo(15.5, 24);
    arrow.lineTo(12, 16.5);
    arrow.lineTo(18.5, 16.5);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    const QRectF badge(17, 17, 13, 13);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(kBlue);
    p.drawEllipse(badge);
    p.setPen(Stroke(Qt::white, 1.5));
    p.drawLine(QPointF(20.5, 26.5), QPointF(26.5, 20.5));
    p.drawLine(QPointF(22.5, 20.5), QPointF(26.5, 20.5));
    p.drawLine(QPointF(26.5, 20.5), QPointF(26.5, 24.5));
    return image;
}

} // namespace

std::vector<PaintedImage> PaintSkinArt(int scale, const SkinLabels& labels) {
    const QImage background = PaintBackground(scale);
    // Art for 2x screens carries "@2x" before the extension.
    const auto named = [scale](QString name) {
        return scale == 1 ? name
                          : name.insert(name.lastIndexOf(QLatin1Char('.')),
                                        QStringLiteral("@%1x").arg(scale));
    };
    std::vector<PaintedImage> images;
    images.push_back({named(QStringLiteral("background.png")),
                      background.convertToFormat(QImage::Format_RGB32)});

    auto add = [&](const ButtonArt& art, Look look, const Draw& draw) {
        const QString path =
            QString::fromLatin1(look == Look::Hover || !*art.normal ? art.hover : art.normal);
        images.push_back({named(path.section(QLatin1Char('/'), -1)),
                          Compose(background, art.position, art.size, art.keyBgr, draw, scale)});
    };
    auto both = [&](const ButtonArt& art, const std::function<Draw(Look)>& make) {
        add(art, Look::Normal, make(Look::Normal));
        add(art, Look::Hover, make(Look::Hover));
    };

    auto plus = [](QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
        PlusGlyph(p, box, ink);
    };
    auto minus = [](QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
        MinusGlyph(p, box, ink);
    };
    auto gear = [](QPainter& p, const QRectF& box, const QColor& ink, const QColor& back) {
        GearGlyph(p, box, ink, back);
    };
    auto tag = [](QPainter& p, const QRectF& box, const QColor& ink, const QColor& back) {
        TagGlyph(p, box, ink, back);
    };
    auto badge = [](auto glyph) {
        // The glyph in a ring, so the three commands read as a set.
        return [glyph](QPainter& p, const QRectF& box, const QColor& ink, const QColor& back) {
            p.setPen(QPen(ink, 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(box.adjusted(1, 1, -1, -1));
            glyph(p, box.adjusted(3, 3, -3, -3), ink, back);
        };
    };

    both(kAdd, [&](Look l) { return StackedButton(labels.add, badge(plus), l); });
    both(kRemove, [&](Look l) { return StackedButton(labels.remove, badge(minus), l); });
    both(kSettings, [&](Look l) { return StackedButton(labels.settings, gear, l); });
    both(kTag, [&](Look l) { return StackedButton(labels.tag, tag, l); });
    both(kMoveDown, [](Look l) {
        return IconButton(
            [](QPainter& p, const QRectF& b, const QColor& c) { ChevronGlyph(p, b, c, true); }, l);
    });
    both(kMoveUp, [](Look l) {
        return IconButton(
            [](QPainter& p, const QRectF& b, const QColor& c) { ChevronGlyph(p, b, c, false); }, l);
    });
    both(kPlay, [](Look l) { return IconButton(PlayGlyph, l); });
    add(kOutputLabel, Look::Normal, OutputLabel(labels.outputTo));
    both(kFolder, FolderButton);
    both(kConvert, [&](Look l) { return ConvertButton(labels.convert, l); });
    both(kHelp, [&](Look l) { return InlineButton(labels.help, BookGlyph, l, kBlue, kBlueLight); });
    both(kExit,
         [&](Look l) { return InlineButton(labels.exit, ExitGlyph, l, kRed, kRed.lighter(125)); });
    const QColor captionHover(255, 255, 255, 70);
    both(kAbout, [&](Look l) {
        return CaptionButton(
            [](QPainter& p, const QRectF& b, const QColor& c) {
                QuestionGlyph(p, b.adjusted(-3, -3, 3, 3), c, 12);
            },
            l, captionHover);
    });
    both(kMinimise, [&](Look l) {
        return CaptionButton(
            [](QPainter& p, const QRectF& b, const QColor& c) {
                p.setPen(Stroke(c, 1.8));
                p.drawLine(QPointF(b.left() + 1, b.center().y() + 0.5),
                           QPointF(b.right() - 1, b.center().y() + 0.5));
            },
            l, captionHover);
    });
    both(kClose, [&](Look l) {
        return CaptionButton(
            [](QPainter& p, const QRectF& b, const QColor& c) {
                p.setPen(Stroke(c, 1.8));
                const QRectF x = b.adjusted(1, 1, -1, -1);
                p.drawLine(x.topLeft(), x.bottomRight());
                p.drawLine(x.topRight(), x.bottomLeft());
            },
            l, kRed);
    });
    add(kBrand, Look::Normal, Brand());
    both(kHomePage, HomePageLink);

    if (scale == 1) {
        images.push_back({QStringLiteral("app_icon.png"), PaintAppIcon()});
        images.push_back({QStringLiteral("link_cursor.png"), PaintLinkCursor()});
    }
    return images;
}

} // namespace velmont::skin
