#include "rendix/Geometry.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rendix {

namespace {

int EvenDown(int v, int align) {
    return align > 1 ? v - v % align : v;
}

} // namespace

Geometry ComputeGeometry(const GeometryRequest& r) {
    Geometry g;
    const int even = r.align;
    int cropLeft = EvenDown(r.cropLeft, even);
    int cropTop = EvenDown(r.cropTop, even);
    int cropWidth = EvenDown(r.sourceWidth - r.cropLeft - r.cropRight, even);
    int cropHeight = EvenDown(r.sourceHeight - r.cropTop - r.cropBottom, even);
    if (cropWidth <= 0 || cropHeight <= 0) {
        g.error = "Cropping leaves no picture (source " + std::to_string(r.sourceWidth) + "x" +
                  std::to_string(r.sourceHeight) + ")";
        return g;
    }
    if (cropLeft || cropTop || cropWidth != r.sourceWidth || cropHeight != r.sourceHeight) {
        g.cropX = cropLeft;
        g.cropY = cropTop;
        g.cropWidth = cropWidth;
        g.cropHeight = cropHeight;
    }

    int padX = EvenDown(r.padLeft, even);
    int padY = EvenDown(r.padTop, even);
    if (r.width > 0 && r.height > 0) {
        g.width = std::max(EvenDown(r.width, even), std::max(even, 1));
        g.height = std::max(EvenDown(r.height, even), std::max(even, 1));
        g.scaledWidth = EvenDown(g.width - padX - r.padRight, even);
        g.scaledHeight = EvenDown(g.height - padY - r.padBottom, even);
    } else {
        g.scaledWidth = cropWidth;
        g.scaledHeight = cropHeight;
        g.width = EvenDown(cropWidth + padX + r.padRight, even);
        g.height = EvenDown(cropHeight + padY + r.padBottom, even);
        // Odd right/bottom padding was dropped by rounding; keep the picture.
        g.width = std::max(g.width, cropWidth + padX);
        g.height = std::max(g.height, cropHeight + padY);
    }
    if (g.scaledWidth <= 0 || g.scaledHeight <= 0) {
        g.error = "Padding leaves no room for the picture in " + std::to_string(g.width) + "x" +
                  std::to_string(g.height);
        return g;
    }
    g.padX = padX;
    g.padY = padY;
    g.ok = true;
    return g;
}

std::string CheckH263Size(int width, int height) {
    static constexpr std::array<std::pair<int, int>, 5> sizes = {
        {{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}}};
    for (auto [w, h] : sizes)
        if (w == width && h == height)
            return {};
    return "H.263 cannot code " + std::to_string(width) + "x" + std::to_string(height) +
           "; valid sizes are 128x96, 176x144, 352x288, 704x576 and 1408x1152";
}

} // namespace rendix
