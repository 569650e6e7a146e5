#pragma once
#include <map>
#include <vector>

#include "platform/regions.h"

namespace vesk::platform::sim {

class SimRegions : public Regions {
public:
    Handle CreatePolygon(const std::vector<Point>& points) override;
    bool Contains(Handle region, Point point) override;
    void Destroy(Handle region) override { polygons_.erase(region); }

    std::size_t LiveCount() const { return polygons_.size(); }
    bool IsLive(Handle region) const { return polygons_.count(region) != 0; }

private:
    std::map<Handle, std::vector<Point>> polygons_;
    Handle next_ = 1;
};

}  // namespace vesk::platform::sim
