#pragma once
#include <cstdint>
#include <vector>

#include "image/rgb_image.h"

namespace vesk::image {

// A 24-bit uncompressed Windows bitmap file (BITMAPFILEHEADER +
// BITMAPINFOHEADER, bottom-up rows padded to four bytes).
std::vector<std::uint8_t> EncodeBmp24(const image::RgbImage& image);

}  // namespace vesk::image
