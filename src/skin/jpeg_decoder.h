#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "skin/rgb_image.h"

namespace vesk::skin {

struct JpegResult {
    bool ok = false;
    std::string error;  // the decoder's message when !ok
    explicit operator bool() const { return ok; }
};

// Decodes a complete JPEG file into RGB. Never ends the process: libjpeg's
// own error handler calls exit(), so decoding errors come back as a result.
JpegResult DecodeJpeg(std::span<const std::uint8_t> data, RgbImage& image);

}  // namespace vesk::skin
