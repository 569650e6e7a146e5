#pragma once
#include <cstdint>
#include <vector>

namespace vesk::platform {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Polygon regions filled by the even-odd (alternate) rule.
class Regions {
public:
    using Handle = std::uintptr_t;  // 0: no region
    virtual ~Regions() = default;
    virtual Handle CreatePolygon(const std::vector<Point>& points) = 0;
    virtual bool Contains(Handle region, Point point) = 0;
    virtual void Destroy(Handle region) = 0;
};

}  // namespace vesk::platform
