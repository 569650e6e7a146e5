#pragma once
#include <cstdint>
#include <vector>

#include "image/rgb_image.h"

namespace vesk::testing {

// A small picture with a colour gradient, so decoding errors show up in the
// pixels and not only in the size.
image::RgbImage GradientPicture(int width, int height);

// Baseline JPEG file of the picture, made with libjpeg's encoder.
std::vector<std::uint8_t> EncodeJpeg(const image::RgbImage& picture, int quality = 95);

}  // namespace vesk::testing
