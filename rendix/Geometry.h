#pragma once

#include <string>

namespace rendix {

struct GeometryRequest {
    int sourceWidth = 0;
    int sourceHeight = 0;
    int cropTop = 0, cropBottom = 0, cropLeft = 0, cropRight = 0;
    int padTop = 0, padBottom = 0, padLeft = 0, padRight = 0;
    int width = 0; // requested output size, 0 = derived
    int height = 0;
    // 4:2:0 pictures need even sizes and offsets; H.263 multiples of 4.
    int align = 2;
};

// Crop first; then scale the cropped picture to the requested size minus the
// padding; then pad with black to the requested size. Without a requested
// size the cropped picture keeps its size and the padding adds to it.
struct Geometry {
    bool ok = false;
    std::string error;
    int cropX = 0, cropY = 0, cropWidth = 0, cropHeight = 0;
    int scaledWidth = 0, scaledHeight = 0;
    int padX = 0, padY = 0;
    int width = 0, height = 0; // final size
    bool needsCrop() const { return cropX || cropY || cropWidth || cropHeight; }
};

Geometry ComputeGeometry(const GeometryRequest& request);

// The frame sizes plain H.263 can code; empty text when the size is one.
std::string CheckH263Size(int width, int height);

} // namespace rendix
