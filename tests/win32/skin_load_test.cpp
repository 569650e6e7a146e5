// The skin loader against the real file system and GDI regions: a skin
// appended to a copy of this very program, a Default.QSK beside it, and the
// selector polygons hit-tested with PtInRegion.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "jpeg_fixture.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "skin/desk_skin.h"
#include "skin/skin_file.h"
#include "temp_folder.h"

namespace vesk::test {
namespace {

using platform::Point;
using platform::win32::Widen;
using skin::Rect;
using skin::SkinFile;
using Bytes = std::vector<std::uint8_t>;

constexpr char kBuiltInSkinName[] = "Default.skin.QSK";  // put beside the test program by the build

// A closed hexagon (seven points, the last repeating the first) around a
// centre, in main-image pixels.
std::vector<Point> Hexagon(Point centre, int radius) {
    const int half = radius / 2;
    std::vector<Point> points = {{centre.x, centre.y - radius},        {centre.x + radius, centre.y - half},
                                 {centre.x + radius, centre.y + half}, {centre.x, centre.y + radius},
                                 {centre.x - radius, centre.y + half}, {centre.x - radius, centre.y - half}};
    points.push_back(points.front());
    return points;
}

// `count` hexagons in rows of three inside `selector`, and images of the
// given widths, so that two such skins are told apart after a load.
SkinFile GridSkin(Rect selector, int count, int mainWidth) {
    SkinFile file;
    file.outline = {{0, 0}, {300, 0}, {300, 250}, {0, 250}, {0, 0}};
    file.drag = {0, 0, 280, 20};
    file.selector = selector;
    for (int i = 0; i < count; ++i) {
        const Point centre{selector.Left + 30 + 60 * (i % 3), selector.Top + 30 + 60 * (i / 3)};
        file.polygons.push_back(Hexagon(centre, 26));
    }
    file.reserved = {30, 220};
    file.mainJpeg = vesk::testing::EncodeJpeg(vesk::testing::GradientPicture(mainWidth, 40));
    file.dialogJpeg = vesk::testing::EncodeJpeg(vesk::testing::GradientPicture(60, 8));
    return file;
}

// The mean of a closed polygon's corners, made relative to the selector
// rectangle as the loaded regions are.
Point RelativeCentre(const std::vector<Point>& closed, const Rect& selector) {
    long long x = 0, y = 0;
    const std::size_t corners = closed.size() - 1;
    for (std::size_t i = 0; i < corners; ++i) {
        x += closed[i].x;
        y += closed[i].y;
    }
    return {static_cast<std::int32_t>(x / static_cast<long long>(corners)) - selector.Left,
            static_cast<std::int32_t>(y / static_cast<long long>(corners)) - selector.Top};
}

void AppendToFile(const std::string& path, const Bytes& bytes) {
    const HANDLE file = CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size()) << path;
}

class SkinLoadTest : public ::testing::Test {
protected:
    // A copy of the running test program with `skin` and its trailer
    // appended, as the build appends the built-in skin to Vesk.exe.
    void MakeProgramWithSkin(const Bytes& skin) {
        ASSERT_TRUE(files.Copy(files.ExecutablePath(), program, false));
        Bytes appended = skin;
        const auto trailer = skin::MakeTrailer(skin.size());
        appended.insert(appended.end(), trailer.begin(), trailer.end());
        AppendToFile(program, appended);
    }

    void WriteStandalone(Bytes skin, const char* magic) {
        std::memcpy(skin.data(), magic, 3);
        ASSERT_TRUE(files.WriteAll(standalone, skin));
    }

    void Load() {
        const skin::SkinResult result = skin::LoadSkin(standalone, program, files, regions, loaded,
                                                       skinRegions, mainImage, dialogImage);
        ASSERT_TRUE(result) << skin::SkinStatusName(result.status) << " at " << result.offset;
        ASSERT_TRUE(loaded.Loaded);
    }

    std::string LoadedMagic() const { return std::string(loaded.Magic.begin(), loaded.Magic.end()); }

    // Each polygon's centre lies in its own region and in no other; regions
    // beyond the skin's polygons are empty.
    void ExpectEachCentreHitsOnlyItsOwnRegion(const SkinFile& file) {
        ASSERT_EQ(loaded.SelectorCount, static_cast<std::int32_t>(file.polygons.size()));
        for (std::size_t i = 0; i < file.polygons.size(); ++i) {
            const Point centre = RelativeCentre(file.polygons[i], file.selector);
            for (std::size_t j = 0; j < skin::kMaxSelectorPolygons; ++j) {
                EXPECT_EQ(regions.Contains(skinRegions[j], centre), i == j)
                    << "centre of polygon " << i + 1 << " (" << centre.x << ", " << centre.y
                    << ") against region " << j + 1;
            }
        }
        for (std::size_t j = file.polygons.size(); j < skin::kMaxSelectorPolygons; ++j) {
            EXPECT_EQ(skinRegions[j], 0u) << "region " << j + 1;
        }
    }

    void TearDown() override {
        skin::FreeSkin(loaded, skinRegions);
    }

    platform::win32::Win32System system;
    platform::Files& files = system.services().files;
    platform::Regions& regions = system.services().regions;
    TempFolder folder{"skin"};
    const std::string program = folder.In("Vesk.exe");
    const std::string standalone = folder.In("Default.QSK");

    const SkinFile appendedSkin = GridSkin({100, 40, 290, 230}, 9, 48);
    const SkinFile standaloneSkin = GridSkin({20, 60, 210, 180}, 4, 64);

    skin::TDeskSkin loaded;
    skin::SkinRegions skinRegions{};
    image::RgbImage mainImage;
    image::RgbImage dialogImage;
};

TEST_F(SkinLoadTest, AppendedSkinIsReadFromTheProgramFile) {
    MakeProgramWithSkin(skin::SerializeSkinFile(appendedSkin));
    Load();

    EXPECT_EQ(LoadedMagic(), "ERR") << "no Default.QSK beside the program";
    EXPECT_EQ(loaded.SelectorRect, appendedSkin.selector);
    EXPECT_EQ(mainImage.width, 48);
    EXPECT_EQ(dialogImage.width, 60);
    ExpectEachCentreHitsOnlyItsOwnRegion(appendedSkin);
    EXPECT_TRUE(regions.Contains(skinRegions[skin::kOutlineRegion], {1, 1}));
    EXPECT_FALSE(regions.Contains(skinRegions[skin::kOutlineRegion], {305, 100}));

    std::vector<HGDIOBJ> gdiObjects;
    for (const platform::Regions::Handle region : skinRegions) {
        if (region != 0) gdiObjects.push_back(reinterpret_cast<HGDIOBJ>(region));
    }
    ASSERT_EQ(gdiObjects.size(), 10u);
    skin::FreeSkin(loaded, skinRegions);
    for (HGDIOBJ object : gdiObjects) EXPECT_EQ(GetObjectType(object), 0u) << "region left behind";
}

TEST_F(SkinLoadTest, StandaloneSkinWithTheMagicWins) {
    MakeProgramWithSkin(skin::SerializeSkinFile(appendedSkin));
    WriteStandalone(skin::SerializeSkinFile(standaloneSkin), "QSK");
    Load();

    EXPECT_EQ(LoadedMagic(), "QSK");
    EXPECT_EQ(loaded.SelectorRect, standaloneSkin.selector);
    EXPECT_EQ(mainImage.width, 64);
    ExpectEachCentreHitsOnlyItsOwnRegion(standaloneSkin);
}

TEST_F(SkinLoadTest, StandaloneSkinWithALowerCaseMagicLoses) {
    MakeProgramWithSkin(skin::SerializeSkinFile(appendedSkin));
    WriteStandalone(skin::SerializeSkinFile(standaloneSkin), "qsk");
    Load();

    EXPECT_EQ(LoadedMagic(), "qsk");
    EXPECT_EQ(loaded.SelectorRect, appendedSkin.selector);
    EXPECT_EQ(mainImage.width, 48);
    ExpectEachCentreHitsOnlyItsOwnRegion(appendedSkin);
}

TEST_F(SkinLoadTest, BuiltInSkinSelectorsHitTheirOwnHexagon) {
    const std::string exe = files.ExecutablePath();
    const std::string builtIn = exe.substr(0, exe.find_last_of('\\') + 1) + kBuiltInSkinName;
    const auto bytes = files.ReadAll(builtIn);
    ASSERT_TRUE(bytes) << builtIn << " is made by the build beside the test program";
    SkinFile expected;
    ASSERT_TRUE(skin::ParseSkinFile(*bytes, expected));
    MakeProgramWithSkin(*bytes);
    Load();

    EXPECT_EQ(mainImage.width, 540);
    EXPECT_EQ(mainImage.height, 271);
    EXPECT_EQ(dialogImage.width, 388);
    EXPECT_EQ(dialogImage.height, 21);
    ASSERT_EQ(loaded.SelectorCount, 9);
    EXPECT_EQ(loaded.SelectorPoints[0].front().x, 64);
    EXPECT_EQ(loaded.SelectorPoints[0].front().y, 8);
    ExpectEachCentreHitsOnlyItsOwnRegion(expected);
    EXPECT_TRUE(regions.Contains(skinRegions[skin::kOutlineRegion], {539, 270}));
    EXPECT_FALSE(regions.Contains(skinRegions[skin::kOutlineRegion], {540, 270}));
}

}  // namespace
}  // namespace vesk::test
