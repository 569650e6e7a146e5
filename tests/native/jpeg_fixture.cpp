#include "jpeg_fixture.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace vesk::testing {

image::RgbImage GradientPicture(int width, int height) {
    image::RgbImage picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels.push_back(std::uint8_t(x * 255 / (width > 1 ? width - 1 : 1)));
            picture.pixels.push_back(std::uint8_t(y * 255 / (height > 1 ? height - 1 : 1)));
            picture.pixels.push_back(128);
        }
    }
    return picture;
}

std::vector<std::uint8_t> EncodeJpeg(const image::RgbImage& picture, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(picture.width);
    info.image_height = JDIMENSION(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.pixels.data() + std::size_t(info.next_scanline) * picture.width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

}  // namespace vesk::testing
