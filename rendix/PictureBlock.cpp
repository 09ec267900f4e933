#include "rendix/PictureBlock.h"

#include <vector>

extern "C" {
#include <libavutil/base64.h>
}

namespace rendix {

namespace {

constexpr std::uint32_t kFrontCover = 3;

void AppendBigEndian(std::vector<std::uint8_t>& block, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        block.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendSizedText(std::vector<std::uint8_t>& block, const std::string& text) {
    AppendBigEndian(block, static_cast<std::uint32_t>(text.size()));
    block.insert(block.end(), text.begin(), text.end());
}

} // namespace

std::string PictureBlockBase64(const PictureFacts& facts, const std::uint8_t* data, int size) {
    if (size <= 0 || size > (1 << 24)) // a block's length field has 24 bits
        return {};
    std::vector<std::uint8_t> block;
    AppendBigEndian(block, kFrontCover);
    AppendSizedText(block, facts.mimeType);
    AppendSizedText(block, facts.description);
    AppendBigEndian(block, static_cast<std::uint32_t>(facts.width));
    AppendBigEndian(block, static_cast<std::uint32_t>(facts.height));
    AppendBigEndian(block, 24); // colour depth
    AppendBigEndian(block, 0);  // not an indexed picture
    AppendBigEndian(block, static_cast<std::uint32_t>(size));
    block.insert(block.end(), data, data + size);
    std::string text(AV_BASE64_SIZE(block.size()), '\0');
    if (!av_base64_encode(text.data(), static_cast<int>(text.size()), block.data(),
                          static_cast<int>(block.size())))
        return {};
    text.resize(text.size() - 1); // the terminating zero
    return text;
}

} // namespace rendix
