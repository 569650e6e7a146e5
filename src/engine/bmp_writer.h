#pragma once
#include <cstdint>
#include <vector>

#include "skin/rgb_image.h"

namespace vesk::engine {

// A 24-bit uncompressed Windows bitmap file (BITMAPFILEHEADER +
// BITMAPINFOHEADER, bottom-up rows padded to four bytes).
std::vector<std::uint8_t> EncodeBmp24(const skin::RgbImage& image);

}  // namespace vesk::engine
