#include "image/bmp_writer.h"

namespace vesk::image {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const image::RgbImage& image) {
    constexpr std::uint32_t kHeadersSize = 14 + 40;
    const std::uint32_t stride = (std::uint32_t(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * std::uint32_t(image.height);
    std::vector<std::uint8_t> out;
    out.reserve(kHeadersSize + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeadersSize + pixelBytes);
    Put32(out, 0);
    Put32(out, kHeadersSize);
    Put32(out, 40);
    Put32(out, std::uint32_t(image.width));
    Put32(out, std::uint32_t(image.height));  // positive: bottom-up rows
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dpi, in pixels per metre
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.pixels.data() + std::size_t(y) * std::size_t(image.width) * 3;
        for (int x = 0; x < image.width; ++x) {
            out.push_back(row[x * 3 + 2]);  // bitmaps store blue first
            out.push_back(row[x * 3 + 1]);
            out.push_back(row[x * 3]);
        }
        for (std::uint32_t pad = std::uint32_t(image.width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

}  // namespace vesk::image
