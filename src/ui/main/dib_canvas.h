#pragma once
#include "platform/win32/windows_api.h"

#include "image/rgb_image.h"
#include "ui/flat/gdi.h"

namespace vesk::ui {

// A picture held as a DIB section selected into its own memory DC, ready to
// be copied onto a window or drawn on. Sizes and positions in pixels. If the
// system refuses the bitmap, the canvas is empty and copies draw nothing.
class DibCanvas {
public:
    // A white canvas.
    DibCanvas(int width, int height);
    // The decoded picture, converted once.
    explicit DibCanvas(const image::RgbImage& image);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    explicit operator bool() const { return bits_ != nullptr; }
    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // Copies the whole canvas to (x, y) of the target.
    void CopyTo(HDC target, int x, int y) const;
    // The pixels as a decoded picture; empty for an empty canvas.
    image::RgbImage Picture() const;

private:
    flat::ScopedMemoryDc dc_;
    flat::ScopedBitmap bitmap_;  // declared after dc_: deleted first, once deselected
    HGDIOBJ previous_ = nullptr;  // the DC's own bitmap, put back before the DIB goes
    int width_ = 0;
    int height_ = 0;
    std::uint8_t* bits_ = nullptr;  // top-down rows of B, G, R, 0 pixels
};

}  // namespace vesk::ui
