#include "platform/sim/sim_regions.h"

namespace vesk::platform::sim {

Regions::Handle SimRegions::CreatePolygon(const std::vector<Point>& points) {
    if (points.size() < 3) return 0;  // like CreatePolygonRgn, no area, no region
    polygons_[next_] = points;
    return next_++;
}

// Even-odd rule, sampling at the pixel centre as GDI does for PtInRegion.
bool SimRegions::Contains(Handle region, Point point) {
    auto it = polygons_.find(region);
    if (it == polygons_.end()) return false;
    const auto& p = it->second;
    const double x = point.x + 0.5;
    const double y = point.y + 0.5;
    bool inside = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        const bool crosses = (p[i].y > y) != (p[j].y > y);
        if (crosses) {
            const double atY = p[j].x + (y - p[j].y) * double(p[i].x - p[j].x) / double(p[i].y - p[j].y);
            if (x < atY) inside = !inside;
        }
    }
    return inside;
}

}  // namespace vesk::platform::sim
