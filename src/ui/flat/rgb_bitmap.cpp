#include "ui/flat/rgb_bitmap.h"

#include <vector>

namespace vesk::ui::flat {

namespace {

// DIB rows are padded to four bytes and hold B, G, R.
int DibStride(int width) { return (width * 3 + 3) & ~3; }

BITMAPINFO TopDown24(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: first row on top, as in RgbImage
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

ScopedBitmap BitmapFromRgb(const image::RgbImage& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    if (picture.pixels.size() / rowBytes < static_cast<std::size_t>(picture.height)) return {};

    const BITMAPINFO info = TopDown24(picture.width, picture.height);
    void* bits = nullptr;
    ScopedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    const int stride = DibStride(picture.width);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* from = picture.pixels.data() + rowBytes * y;
        auto* to = static_cast<std::uint8_t*>(bits) + static_cast<std::size_t>(stride) * y;
        for (int x = 0; x < picture.width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    GdiFlush();
    return bitmap;
}

image::RgbImage RgbFromBitmap(HBITMAP bitmap) {
    BITMAP shape{};
    if (!bitmap || !GetObjectW(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0) {
        return {};
    }
    const int width = shape.bmWidth;
    const int height = shape.bmHeight;
    const int stride = DibStride(width);
    std::vector<std::uint8_t> dib(static_cast<std::size_t>(stride) * height);
    BITMAPINFO info = TopDown24(width, height);
    const WindowDc screen(nullptr, WindowDc::Area::Client);
    const int rows = GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), dib.data(), &info, DIB_RGB_COLORS);
    if (rows != height) return {};

    image::RgbImage picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = dib.data() + static_cast<std::size_t>(stride) * y;
        std::uint8_t* to = picture.pixels.data() + static_cast<std::size_t>(width) * 3 * y;
        for (int x = 0; x < width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return picture;
}

}  // namespace vesk::ui::flat
