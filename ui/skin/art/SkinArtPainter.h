#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace velmont::skin {

struct PaintedImage {
    QString fileName; // e.g. "add_hover.png"
    QImage image;
};

// Paints every skin image from scratch: the window background, both looks
// of each command image (composited over the background at the button's
// place, outside pixels set to its colour key), the application icon and
// the link cursor. Needs a QGuiApplication for fonts. The committed PNGs
// under ui/skin/images are this function's output.
std::vector<PaintedImage> PaintSkinArt();

} // namespace velmont::skin
