#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_system.h"

namespace vesk::test {
namespace {

using platform::Point;

class RegionsTest : public ::testing::Test {
protected:
    platform::win32::Win32System system;
    platform::Regions& regions = system.services().regions;
};

TEST_F(RegionsTest, TriangleContainsItsCentroidOnly) {
    const auto triangle = regions.CreatePolygon({{0, 0}, {90, 0}, {0, 60}});
    ASSERT_NE(triangle, 0u);
    EXPECT_TRUE(regions.Contains(triangle, {30, 20}));
    EXPECT_FALSE(regions.Contains(triangle, {80, 50})) << "beyond the hypotenuse";
    EXPECT_FALSE(regions.Contains(triangle, {-5, 10}));
    regions.Destroy(triangle);
}

TEST_F(RegionsTest, OverlapsFollowTheEvenOddRule) {
    // A five-pointed star drawn in one stroke: its centre is enclosed twice,
    // so it is outside under the even-odd rule (inside under winding).
    const auto star = regions.CreatePolygon({{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}});
    ASSERT_NE(star, 0u);
    EXPECT_FALSE(regions.Contains(star, {50, 50}));
    EXPECT_TRUE(regions.Contains(star, {50, 10})) << "the top point";
    regions.Destroy(star);
}

TEST_F(RegionsTest, DestroyFreesTheRegion) {
    const auto square = regions.CreatePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    ASSERT_NE(square, 0u);
    const auto gdiObject = reinterpret_cast<HGDIOBJ>(square);
    EXPECT_EQ(GetObjectType(gdiObject), static_cast<DWORD>(OBJ_REGION));
    regions.Destroy(square);
    EXPECT_EQ(GetObjectType(gdiObject), 0u);
}

}  // namespace
}  // namespace vesk::test
