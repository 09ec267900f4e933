#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace velmont::skin {

struct PaintedImage {
    QString fileName; // e.g. "add_hover.png"
    QImage image;
};

// The words painted into the art, English unless the window is translated.
struct SkinLabels {
    QString add = QStringLiteral("Add");
    QString remove = QStringLiteral("Remove");
    QString settings = QStringLiteral("Settings");
    QString tag = QStringLiteral("Tag");
    QString help = QStringLiteral("Help");
    QString exit = QStringLiteral("Exit");
    QString convert = QStringLiteral("Convert");
    QString outputTo = QStringLiteral("Output to");

    bool operator==(const SkinLabels&) const = default;
};

// Paints every skin image from scratch: the window background, both looks
// of each command image (composited over the background at the button's
// place, outside pixels set to its colour key), the application icon and
// the link cursor. Needs a QGuiApplication for fonts. The committed PNGs
// under ui/skin/images are this function's output. With a scale of 2 it
// paints the window's art at twice the size for 2x screens, named
// "add_hover@2x.png" and so on (the icon and cursor only come at scale 1).
// A label too wide for its button is painted smaller.
std::vector<PaintedImage> PaintSkinArt(int scale = 1, const SkinLabels& labels = {});

} // namespace velmont::skin
