#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "image/rgb_image.h"

namespace vesk::image {

struct JpegResult {
    bool ok = false;
    std::string error;  // the decoder's message when !ok
    explicit operator bool() const { return ok; }
};

// Decodes a complete JPEG file into RGB. Never ends the process: libjpeg's
// own error handler calls exit(), so decoding errors come back as a result.
JpegResult DecodeJpeg(std::span<const std::uint8_t> data, RgbImage& image);

// The picture's size in pixels from its header alone, before anything is
// allocated for its pixels; false when there is no readable header.
bool ReadJpegSize(std::span<const std::uint8_t> data, int& width, int& height);

}  // namespace vesk::image
