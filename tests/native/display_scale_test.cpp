#include <gtest/gtest.h>

#include <cstdlib>

#include "image/resample.h"
#include "platform/display_scale.h"

namespace vesk {
namespace {

using image::RgbImage;
using platform::DisplayScale;

TEST(DisplayScale, ReferencePixelsRoundHalfAwayFromZeroBothWays) {
    const struct {
        int dpi, reference, display;
    } cases[] = {
        {96, 271, 271},  {96, -7, -7},    {120, 1, 1},   {120, 2, 3},         {120, 271, 339},
        {144, 1, 2},     {144, 271, 407}, {144, -1, -2}, {144, 0, 0},         {168, 3, 5},
        {192, 271, 542}, {192, 32767, 65534},
        {60, 10, 10},  // below 96 is taken as 96
    };
    for (const auto& c : cases) {
        const DisplayScale scale(c.dpi);
        EXPECT_EQ(scale.Px(c.reference), c.display) << c.dpi << " dpi, " << c.reference;
    }
    // Back to reference pixels: 407 at 144 DPI is 271.33, 3 at 120 DPI 2.4.
    EXPECT_EQ(DisplayScale(144).FromPx(407), 271);
    EXPECT_EQ(DisplayScale(120).FromPx(3), 2);
    EXPECT_EQ(DisplayScale(192).FromPx(-3), -2);
    EXPECT_TRUE(DisplayScale().IsReference());
    EXPECT_EQ(DisplayScale(60), DisplayScale());
}

RgbImage Filled(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    RgbImage picture{width, height, {}};
    for (int i = 0; i < width * height; ++i) picture.pixels.insert(picture.pixels.end(), {r, g, b});
    return picture;
}

int Red(const RgbImage& p, int x, int y) { return p.pixels[(static_cast<std::size_t>(y) * p.width + x) * 3]; }

TEST(Resampling, SizesAreExactAndAFlatColourStaysFlat) {
    const RgbImage flat = Filled(54, 27, 200, 17, 93);
    for (const auto& [w, h] : {std::pair{81, 41}, {108, 54}, {67, 34}, {20, 9}, {1, 1}}) {
        const RgbImage scaled = image::Resampled(flat, w, h);
        ASSERT_EQ(scaled.width, w);
        ASSERT_EQ(scaled.height, h);
        ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(w) * h * 3);
        EXPECT_EQ(scaled.pixels, Filled(w, h, 200, 17, 93).pixels) << w << "x" << h;
    }
}

TEST(Resampling, SameSizeKeepsEveryPixelAndNothingComesOfNothing) {
    RgbImage picture = Filled(5, 3, 0, 0, 0);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = static_cast<std::uint8_t>(i * 17);
    EXPECT_EQ(image::Resampled(picture, 5, 3).pixels, picture.pixels);
    EXPECT_TRUE(image::Resampled(RgbImage{}, 10, 10).empty());
    EXPECT_TRUE(image::Resampled(picture, 0, 3).empty());
    picture.pixels.resize(4);  // shorter than its size says
    EXPECT_TRUE(image::Resampled(picture, 10, 6).empty());
}

// A black and white edge doubled: nearest neighbour would give two equal
// pixels on each side; the tent blends the two pixels beside it, and keeps
// the far sides pure.
TEST(Resampling, AnEnlargedEdgeIsBlendedNotBlocky) {
    RgbImage edge = Filled(8, 1, 0, 0, 0);
    for (int x = 4; x < 8; ++x) edge.pixels[static_cast<std::size_t>(x) * 3] = 255;
    const RgbImage doubled = image::Resampled(edge, 16, 2);
    EXPECT_EQ(Red(doubled, 0, 0), 0);
    EXPECT_EQ(Red(doubled, 15, 1), 255);
    const int left = Red(doubled, 7, 0), right = Red(doubled, 8, 0);
    EXPECT_GT(left, 0);
    EXPECT_LT(right, 255);
    EXPECT_LT(left, right);
    EXPECT_EQ(left + right, 255) << "symmetric about the edge";
    EXPECT_EQ(Red(doubled, 7, 1), left) << "rows of a one-row picture are alike";

    // At 150 % each destination pixel's weights still sum to one: a ramp
    // stays a monotonic ramp.
    RgbImage ramp = Filled(10, 1, 0, 0, 0);
    for (int x = 0; x < 10; ++x) ramp.pixels[static_cast<std::size_t>(x) * 3] = static_cast<std::uint8_t>(x * 25);
    const RgbImage wider = image::Resampled(ramp, 15, 1);
    for (int x = 1; x < 15; ++x) EXPECT_LE(Red(wider, x - 1, 0), Red(wider, x, 0)) << x;
}

// Shrinking a checkerboard by two averages it, instead of picking every other
// pixel.
TEST(Resampling, AReducedCheckerboardTurnsGrey) {
    RgbImage board = Filled(16, 16, 0, 0, 0);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if ((x + y) % 2) board.pixels[(static_cast<std::size_t>(y) * 16 + x) * 3] = 255;
        }
    }
    const RgbImage half = image::Resampled(board, 8, 8);
    for (int y = 1; y < 7; ++y) {
        for (int x = 1; x < 7; ++x) EXPECT_LE(std::abs(Red(half, x, y) - 128), 2) << x << "," << y;
    }
}

}  // namespace
}  // namespace vesk
