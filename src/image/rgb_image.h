#pragma once
#include <cstdint>
#include <vector>

namespace vesk::image {

// A decoded picture: rows top to bottom, three bytes per pixel (R, G, B),
// no padding.
struct RgbImage {
    int width = 0;   // pixels
    int height = 0;  // pixels
    std::vector<std::uint8_t> pixels;
    bool empty() const { return width == 0 || height == 0; }
};

}  // namespace vesk::image
