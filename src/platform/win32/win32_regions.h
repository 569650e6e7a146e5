#pragma once
#include "platform/regions.h"

namespace vesk::platform::win32 {

// GDI polygon regions. Handles are HRGN values owned by the caller until
// Destroy (or until handed to SetWindowRgn, which takes them over).
// Coordinates are whatever space the caller's points are in, in pixels.
class Win32Regions final : public Regions {
public:
    // 0 for fewer than three points or when GDI refuses.
    Handle CreatePolygon(const std::vector<Point>& points) override;
    bool Contains(Handle region, Point point) override;
    void Destroy(Handle region) override;
};

}  // namespace vesk::platform::win32
