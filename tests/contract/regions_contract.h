#pragma once
// Polygon regions as the skin's hit testing uses them, checked on every
// implementation. An Env, made afresh for each case, provides
//   platform::Regions& regions();
//   bool IsLive(platform::Regions::Handle region);  // not yet destroyed
#include <gtest/gtest.h>

#include <vector>

#include "platform/regions.h"

namespace vesk::contract {

template <typename Env>
class RegionsContract : public ::testing::Test {
protected:
    Env env;
    platform::Regions& regions = env.regions();
};

TYPED_TEST_SUITE_P(RegionsContract);

// A point stands for the pixel to its lower right: edges on the left and top
// belong to the region, those on the right and bottom do not.
TYPED_TEST_P(RegionsContract, PolygonsAreFilledByTheEvenOddRule) {
    using platform::Point;
    const struct {
        const char* name;
        std::vector<Point> polygon;
        std::vector<Point> inside;
        std::vector<Point> outside;
    } rows[] = {
        {"square", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {{0, 0}, {9, 9}, {5, 5}}, {{10, 5}, {5, 10}, {-1, 5}, {10, 10}}},
        {"triangle", {{0, 0}, {90, 0}, {0, 60}}, {{30, 20}}, {{80, 50}, {-5, 10}}},
        {"around the origin", {{-20, -20}, {20, -20}, {0, 20}}, {{0, 0}, {-15, -15}}, {{15, 10}, {0, 21}}},
        // Drawn in one stroke, a five-pointed star encloses its centre twice:
        // outside by the even-odd rule, inside by the winding one.
        {"star",
         {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}},
         {{50, 10}, {10, 38}, {70, 80}},
         {{50, 50}, {50, 85}, {5, 95}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto region = this->regions.CreatePolygon(row.polygon);
        ASSERT_NE(region, 0u);
        for (const Point p : row.inside) EXPECT_TRUE(this->regions.Contains(region, p)) << p.x << "," << p.y;
        for (const Point p : row.outside) EXPECT_FALSE(this->regions.Contains(region, p)) << p.x << "," << p.y;
        this->regions.Destroy(region);
    }
}

TYPED_TEST_P(RegionsContract, TooFewPointsMakeNoRegionAndDestroyFreesOne) {
    EXPECT_EQ(this->regions.CreatePolygon({}), 0u);
    EXPECT_EQ(this->regions.CreatePolygon({{0, 0}, {10, 10}}), 0u);
    EXPECT_FALSE(this->regions.Contains(0, {0, 0}));
    this->regions.Destroy(0);

    const auto square = this->regions.CreatePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    ASSERT_NE(square, 0u);
    EXPECT_TRUE(this->env.IsLive(square));
    this->regions.Destroy(square);
    EXPECT_FALSE(this->env.IsLive(square));
}

REGISTER_TYPED_TEST_SUITE_P(RegionsContract, PolygonsAreFilledByTheEvenOddRule,
                            TooFewPointsMakeNoRegionAndDestroyFreesOne);

}  // namespace vesk::contract
