#pragma once
#include "platform/win32/windows_api.h"

#include "image/rgb_image.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

// A 24-bit DIB section holding the picture; empty for an empty picture or
// one with fewer pixel bytes than its size says.
ScopedBitmap BitmapFromRgb(const image::RgbImage& picture);

// The pixels of a bitmap, top row first; empty when it cannot be read.
image::RgbImage RgbFromBitmap(HBITMAP bitmap);

}  // namespace vesk::ui::flat
