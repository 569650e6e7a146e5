#pragma once
#include "platform/win32/windows_api.h"

#include "platform/regions.h"
#include "platform/scoped_region.h"

namespace vesk::platform::win32 {

// GDI polygon regions. Handles are HRGN values owned by the caller until
// Destroy, or until ShapeWindow hands them to a window.
// Coordinates are whatever space the caller's points are in, in pixels.
class Win32Regions final : public Regions {
public:
    // 0 for fewer than three points or when GDI refuses.
    Handle CreatePolygon(const std::vector<Point>& points) override;
    bool Contains(Handle region, Point point) override;
    void Destroy(Handle region) override;
};

// Makes a region of Win32Regions the window's shape. A successful
// SetWindowRgn takes the region over: the owner lets go of it, and the
// system deletes it with the window.
void ShapeWindow(HWND window, ScopedRegion& shape);

}  // namespace vesk::platform::win32
