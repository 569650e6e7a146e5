#include "platform/win32/win32_regions.h"

#include "platform/win32/windows_api.h"

#include <climits>

namespace vesk::platform::win32 {
namespace {

HRGN ToHrgn(Regions::Handle region) { return reinterpret_cast<HRGN>(region); }

}  // namespace

Regions::Handle Win32Regions::CreatePolygon(const std::vector<Point>& points) {
    if (points.size() < 3 || points.size() > INT_MAX) return 0;
    std::vector<POINT> vertices;
    vertices.reserve(points.size());
    for (const Point& point : points) vertices.push_back({point.x, point.y});
    return reinterpret_cast<Handle>(
        CreatePolygonRgn(vertices.data(), static_cast<int>(vertices.size()), ALTERNATE));
}

bool Win32Regions::Contains(Handle region, Point point) {
    return region != 0 && PtInRegion(ToHrgn(region), point.x, point.y) != FALSE;
}

void Win32Regions::Destroy(Handle region) {
    if (region != 0) DeleteObject(ToHrgn(region));
}

void ShapeWindow(HWND window, ScopedRegion& shape) {
    if (shape != 0 && SetWindowRgn(window, ToHrgn(shape), TRUE) != 0) shape.release();
}

}  // namespace vesk::platform::win32
