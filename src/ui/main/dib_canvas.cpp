#include "ui/main/dib_canvas.h"

#include <cstring>

namespace vesk::ui {
namespace {

// Four bytes a pixel, as the window surfaces are: Wine spends several times
// longer copying a 24-bit picture to a window than a 32-bit one (about 1 ms
// against 0.06 ms for the built-in skin at 100 %), converting each pixel.
constexpr int kPixelBytes = 4;

int RowBytes(int width) { return width * kPixelBytes; }

}  // namespace

DibCanvas::DibCanvas(int width, int height) {
    if (width <= 0 || height <= 0) return;
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!dc_) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like RgbImage
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 8 * kPixelBytes;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || bits == nullptr) return;
    previous_ = SelectObject(dc_.get(), bitmap_.get());
    width_ = width;
    height_ = height;
    bits_ = static_cast<std::uint8_t*>(bits);
    std::memset(bits_, 0xFF, static_cast<std::size_t>(RowBytes(width)) * static_cast<std::size_t>(height));
}

DibCanvas::DibCanvas(const image::RgbImage& image) : DibCanvas(image.width, image.height) {
    if (!bits_ || image.pixels.size() < static_cast<std::size_t>(image.width) * image.height * 3) return;
    const std::uint8_t* from = image.pixels.data();
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* to = bits_ + static_cast<std::size_t>(y) * RowBytes(width_);
        for (int x = 0; x < width_; ++x, from += 3, to += kPixelBytes) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 0;
        }
    }
    GdiFlush();
}

DibCanvas::~DibCanvas() {
    if (previous_) SelectObject(dc_.get(), previous_);
}

void DibCanvas::CopyTo(HDC target, int x, int y) const {
    if (bits_) BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

image::RgbImage DibCanvas::Picture() const {
    if (!bits_) return {};
    GdiFlush();
    image::RgbImage picture{width_, height_, {}};
    picture.pixels.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
    std::uint8_t* to = picture.pixels.data();
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* from = bits_ + static_cast<std::size_t>(y) * RowBytes(width_);
        for (int x = 0; x < width_; ++x, from += kPixelBytes, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return picture;
}

}  // namespace vesk::ui
