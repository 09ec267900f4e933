#pragma once

#include <cstdint>
#include <string>

namespace rendix {

struct PictureFacts {
    std::string mimeType;
    std::string description;
    int width = 0;
    int height = 0;
};

// A FLAC picture block (front cover) in base64, as Ogg's
// METADATA_BLOCK_PICTURE comment holds it; empty when it cannot be made.
std::string PictureBlockBase64(const PictureFacts& facts, const std::uint8_t* data, int size);

} // namespace rendix
