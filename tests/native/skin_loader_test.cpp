#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "jpeg_fixture.h"
#include "platform/sim/sim_system.h"
#include "skin/desk_skin.h"
#include "skin/skin_scale.h"

namespace vesk::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::EncodeJpeg;
using testing::GradientPicture;

const std::string kSkinPath = "C:\\Vesk\\Default.QSK";
const std::string kExePath = "C:\\Vesk\\Vesk.exe";

Bytes DefaultSkinBytes() {
    std::ifstream in(VESK_DEFAULT_SKIN, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes WithAppendedSkin(Bytes skin) {
    Bytes exe = {'M', 'Z', 0x90, 0, 3, 0, 0, 0};
    exe.insert(exe.end(), skin.begin(), skin.end());
    const auto trailer = MakeTrailer(skin.size());
    exe.insert(exe.end(), trailer.begin(), trailer.end());
    return exe;
}

// A small skin: a square window with `polygons` triangles side by side in a
// selector at (10, 20).
SkinFile SmallSkin(int polygons) {
    SkinFile s;
    s.outline = {{0, 0}, {100, 0}, {100, 80}, {0, 80}};
    s.drag = {0, 0, 90, 10};
    s.selector = {10, 20, 100, 60};
    for (int i = 0; i < polygons; ++i) {
        const int x = 10 + i * 10;
        s.polygons.push_back({{x, 20}, {x + 10, 20}, {x, 30}});
    }
    s.reserved = {1, 2};
    s.mainJpeg = EncodeJpeg(GradientPicture(100, 80));
    s.dialogJpeg = EncodeJpeg(GradientPicture(40, 5));
    return s;
}

class SkinLoading : public ::testing::Test {
protected:
    SkinResult Load(const std::string& skinPath = kSkinPath, const std::string& exePath = kExePath) {
        return LoadSkin(skinPath, exePath, sim.files, sim.regions, skin, regions, mainImage, dialogImage);
    }
    platform::sim::SimSystem sim;
    TDeskSkin skin;
    SkinRegions regions{};
    image::RgbImage mainImage, dialogImage;
};

TEST_F(SkinLoading, BuiltInSkinHasItsDocumentedGeometry) {
    sim.files.Put(kExePath, WithAppendedSkin(DefaultSkinBytes()));
    ASSERT_TRUE(Load());
    EXPECT_EQ(std::string(skin.Magic.data(), 3), "ERR");
    EXPECT_TRUE(skin.Loaded);
    ASSERT_EQ(skin.OutlineCount, 5);
    EXPECT_EQ(skin.Outline[2].x, 540);
    EXPECT_EQ(skin.Outline[2].y, 271);
    EXPECT_EQ(skin.DragRect, (Rect{0, 0, 477, 25}));
    EXPECT_EQ(skin.AboutRect, (Rect{0, 134, 140, 271}));
    EXPECT_EQ(skin.StatusRect, (Rect{163, 229, 405, 259}));
    EXPECT_EQ(skin.MinimizeRect, (Rect{480, 7, 502, 21}));
    EXPECT_EQ(skin.CloseRect, (Rect{507, 7, 529, 21}));
    for (int k = 0; k < 14; ++k) EXPECT_EQ(skin.CommandRects[k], (Rect{444, 25 + 17 * k, 530, 41 + 17 * k}));
    EXPECT_EQ(skin.SelectorCount, 9);
    EXPECT_EQ(skin.SelectorRect, (Rect{142, 46, 367, 221}));
    EXPECT_EQ(skin.SelectorPoints[0][0].x, 64);
    EXPECT_EQ(skin.SelectorPoints[0][0].y, 8);
    EXPECT_EQ(skin.ReservedPoint.x, 30);
    EXPECT_EQ(skin.ReservedPoint.y, 220);
    EXPECT_EQ(mainImage.width, 540);
    EXPECT_EQ(mainImage.height, 271);
    EXPECT_EQ(dialogImage.width, 388);
    EXPECT_EQ(dialogImage.height, 21);
    EXPECT_EQ(std::size_t(skin.MainImageSize + skin.DialogImageSize) + 331 + 5 * 8 + 9 * (4 + 7 * 8) + 24,
              DefaultSkinBytes().size());

    // Each hexagon's centre hits its own desktop and no other.
    for (int i = 0; i < 9; ++i) {
        ASSERT_EQ(skin.SelectorPointCounts[i], 7);
        const auto& p = skin.SelectorPoints[i];
        const platform::Point centre{(p[1].x + p[4].x) / 2, (p[0].y + p[3].y) / 2};
        for (int j = 0; j < 9; ++j) EXPECT_EQ(sim.regions.Contains(regions[j], centre), i == j) << i << " " << j;
    }
    EXPECT_TRUE(sim.regions.Contains(regions[kOutlineRegion], {539, 270}));
}

TEST_F(SkinLoading, ScaledSkinMovesEveryEdgeAndKeepsItsHexagons) {
    sim.files.Put(kExePath, WithAppendedSkin(DefaultSkinBytes()));
    ASSERT_TRUE(Load());
    const struct {
        int dpi;
        Point corner;
        Rect close, selector, lastCommand;
    } cases[] = {
        {96, {540, 271}, {507, 7, 529, 21}, {142, 46, 367, 221}, {444, 246, 530, 262}},
        {144, {810, 407}, {761, 11, 794, 32}, {213, 69, 551, 332}, {666, 369, 795, 393}},
        {192, {1080, 542}, {1014, 14, 1058, 42}, {284, 92, 734, 442}, {888, 492, 1060, 524}},
    };
    for (const auto& c : cases) {
        ScaledSkin scaled;
        ScaleSkin(skin, platform::DisplayScale(c.dpi), sim.regions, scaled);
        const TDeskSkin& s = scaled.skin;
        EXPECT_EQ(s.Outline[2].x, c.corner.x) << c.dpi;
        EXPECT_EQ(s.Outline[2].y, c.corner.y) << c.dpi;
        EXPECT_EQ(s.CloseRect, c.close) << c.dpi;
        EXPECT_EQ(s.SelectorRect, c.selector) << c.dpi;
        EXPECT_EQ(s.CommandRects[13], c.lastCommand) << c.dpi;
        EXPECT_TRUE(sim.regions.Contains(scaled.regions[kOutlineRegion], {c.corner.x - 1, c.corner.y - 1}));
        EXPECT_FALSE(sim.regions.Contains(scaled.regions[kOutlineRegion], c.corner));
        for (int i = 0; i < 9; ++i) {
            // The reference centre of each hexagon, scaled, hits that hexagon only.
            const auto& p = skin.SelectorPoints[i];
            const platform::DisplayScale scale(c.dpi);
            const Point centre{scale.Px((p[1].x + p[4].x) / 2), scale.Px((p[0].y + p[3].y) / 2)};
            for (int j = 0; j < 9; ++j) {
                EXPECT_EQ(sim.regions.Contains(scaled.regions[j], centre), i == j) << c.dpi << ": " << i << " " << j;
            }
            // A point stays where the picture has it: relative to the scaled selector.
            EXPECT_EQ(s.SelectorPoints[i][0].x + s.SelectorRect.Left,
                      scale.Px(p[0].x + skin.SelectorRect.Left)) << c.dpi;
        }
        if (c.dpi == 96) {
            for (int i = 0; i < skin.OutlineCount; ++i) EXPECT_EQ(s.Outline[i].x, skin.Outline[i].x);
            for (int i = 0; i < 9; ++i) {
                for (std::size_t k = 0; k < skin.SelectorPoints[i].size(); ++k) {
                    EXPECT_EQ(s.SelectorPoints[i][k].x, skin.SelectorPoints[i][k].x);
                    EXPECT_EQ(s.SelectorPoints[i][k].y, skin.SelectorPoints[i][k].y);
                }
            }
            EXPECT_EQ(s.DragRect, skin.DragRect);
            EXPECT_EQ(s.AboutRect, skin.AboutRect);
            EXPECT_EQ(s.StatusRect, skin.StatusRect);
            EXPECT_EQ(s.MinimizeRect, skin.MinimizeRect);
        }
    }
}

TEST_F(SkinLoading, StandaloneSkinIsUsedOnlyWithTheExactMagic) {
    sim.files.Put(kExePath, WithAppendedSkin(SerializeSkinFile(SmallSkin(2))));
    Bytes standalone = SerializeSkinFile(SmallSkin(4));
    const struct {
        const char* magic;
        bool trailing;
        int expectedPolygons;
    } cases[] = {{"QSK", true, 4}, {"QSK", false, 4}, {"qsk", false, 2}, {"QSx", false, 2}};
    for (const auto& c : cases) {
        Bytes file = standalone;
        std::copy_n(c.magic, 3, file.begin());
        if (c.trailing) file.insert(file.end(), 100, 0xAB);
        sim.files.Put(kSkinPath, file);
        skin = {};
        ASSERT_TRUE(Load()) << c.magic;
        EXPECT_EQ(skin.SelectorCount, c.expectedPolygons) << c.magic;
        EXPECT_EQ(std::string(skin.Magic.data(), 3), c.magic);
    }
    sim.files.Put(kSkinPath, {'Q', 'S'});
    skin = {};
    ASSERT_TRUE(Load());
    EXPECT_EQ(skin.SelectorCount, 2);
}

TEST_F(SkinLoading, AppendedSkinMagicIsSkippedUnchecked) {
    Bytes bytes = SerializeSkinFile(SmallSkin(3));
    std::copy_n("XYZ", 3, bytes.begin());
    sim.files.Put(kExePath, WithAppendedSkin(bytes));
    ASSERT_TRUE(Load());
    EXPECT_EQ(skin.SelectorCount, 3);
}

TEST_F(SkinLoading, FewerSelectorPolygonsLeaveTheOtherRegionsEmpty) {
    sim.files.Put(kExePath, WithAppendedSkin(SerializeSkinFile(SmallSkin(4))));
    ASSERT_TRUE(Load());
    for (int i = 4; i < 9; ++i) EXPECT_EQ(regions[i], 0u);
    EXPECT_TRUE(sim.regions.Contains(regions[3], {31, 1})) << "relative to the selector";
    EXPECT_EQ(sim.regions.LiveCount(), 5u);
    FreeSkin(skin, regions);
    EXPECT_EQ(sim.regions.LiveCount(), 0u);
    EXPECT_TRUE(skin.SelectorPoints[0].empty());
}

TEST_F(SkinLoading, WithoutSelectorPolygonsOnlyTheOutlineRegionExists) {
    sim.files.Put(kExePath, WithAppendedSkin(SerializeSkinFile(SmallSkin(0))));
    ASSERT_TRUE(Load());
    EXPECT_EQ(sim.regions.LiveCount(), 1u);
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(sim.regions.Contains(regions[i], {15, 5}));
    // The main window owns the outline once it has taken it as its shape.
    regions[kOutlineRegion].release();
    FreeSkin(skin, regions);
    EXPECT_EQ(sim.regions.LiveCount(), 1u);
}

TEST_F(SkinLoading, NothingToLoadOrFreeLeavesEverythingAlone) {
    skin.Loaded = true;
    skin.SelectorCount = 9;
    EXPECT_EQ(Load("", "").status, SkinStatus::NoSource);
    EXPECT_FALSE(skin.Loaded);
    EXPECT_EQ(skin.SelectorCount, 9);
    FreeSkin(skin, regions);  // not loaded: nothing to free
    EXPECT_EQ(skin.SelectorCount, 9);
}

TEST_F(SkinLoading, BrokenStandaloneSkinFallsBackAndABrokenBuiltInOneIsReported) {
    sim.files.Put(kExePath, WithAppendedSkin(SerializeSkinFile(SmallSkin(2))));
    Bytes broken = SerializeSkinFile(SmallSkin(5));
    broken.resize(broken.size() - 10);
    sim.files.Put(kSkinPath, broken);
    ASSERT_TRUE(Load());
    EXPECT_EQ(skin.SelectorCount, 2);

    FreeSkin(skin, regions);
    skin = {};
    Bytes exe = WithAppendedSkin(SerializeSkinFile(SmallSkin(2)));
    exe[exe.size() - 1] = 0x7F;  // trailer far beyond the file
    sim.files.Put(kExePath, exe);
    EXPECT_EQ(Load().status, SkinStatus::BadTrailer);
    EXPECT_FALSE(skin.Loaded);
    EXPECT_EQ(skin.SelectorCount, 0) << "nothing half-loaded";
    EXPECT_EQ(sim.regions.LiveCount(), 0u);

    SkinFile undecodable = SmallSkin(1);
    undecodable.dialogJpeg.resize(20);
    sim.files.Put(kExePath, WithAppendedSkin(SerializeSkinFile(undecodable)));
    EXPECT_EQ(Load().status, SkinStatus::UndecodableImage);
    EXPECT_EQ(Load("", "C:\\nowhere.exe").status, SkinStatus::Unreadable);
}

// A picture whose frame header claims another size: a few bytes that would
// take seconds and hundreds of megabytes to decode.
Bytes ClaimingSize(Bytes jpeg, std::uint16_t width, std::uint16_t height) {
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xC0) continue;
        jpeg[i + 5] = std::uint8_t(height >> 8), jpeg[i + 6] = std::uint8_t(height);
        jpeg[i + 7] = std::uint8_t(width >> 8), jpeg[i + 8] = std::uint8_t(width);
        return jpeg;
    }
    ADD_FAILURE() << "no baseline frame header";
    return jpeg;
}

TEST_F(SkinLoading, PicturesAreMeasuredBeforeTheyAreDecoded) {
    struct Case {
        const char* what;
        void (*change)(SkinFile&);
        bool dialog;  // the title strip is the one refused
    };
    const Case cases[] = {
        {"8192 x 8192 declared in a few bytes",
         [](SkinFile& s) { s.mainJpeg = ClaimingSize(s.mainJpeg, 8192, 8192); }, false},
        {"wider than the outline", [](SkinFile& s) { s.mainJpeg = EncodeJpeg(GradientPicture(101, 80)); }, false},
        {"2049 wide with no outline",
         [](SkinFile& s) {
             s.outline.clear();
             s.mainJpeg = ClaimingSize(s.mainJpeg, 2049, 8);
         },
         false},
        {"a title strip 300 high", [](SkinFile& s) { s.dialogJpeg = ClaimingSize(s.dialogJpeg, 40, 300); }, true},
    };
    for (const Case& c : cases) {
        SkinFile file = SmallSkin(1);
        c.change(file);
        const Bytes bytes = SerializeSkinFile(file);
        sim.files.Put(kExePath, WithAppendedSkin(bytes));
        const SkinResult r = Load();
        EXPECT_EQ(r.status, SkinStatus::PictureTooLarge) << c.what;
        const std::size_t dialogAt = bytes.size() - file.dialogJpeg.size();
        EXPECT_EQ(r.offset, c.dialog ? dialogAt : dialogAt - file.mainJpeg.size()) << c.what;
        EXPECT_FALSE(skin.Loaded);
    }
    sim.files.Put(kExePath, WithAppendedSkin(SerializeSkinFile(SmallSkin(1))));
    EXPECT_TRUE(Load()) << "a picture as large as its outline";
}

TEST(SkinFileParsing, EveryTruncationIsReportedWhereTheDataEnds) {
    const Bytes whole = SerializeSkinFile(SmallSkin(2));
    SkinFile parsed;
    ASSERT_TRUE(ParseSkinFile(whole, parsed));
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const SkinResult r = ParseSkinFile(std::span(whole.data(), length), parsed);
        ASSERT_EQ(r.status, SkinStatus::Truncated) << length;
        ASSERT_LE(r.offset, length);
    }
}

// Offsets of the counts in SmallSkin(2): N at 3, four outline points, then
// five rectangles and fourteen command rectangles.
constexpr std::size_t kOutlineCountAt = 3;
constexpr std::size_t kSelectorCountAt = 7 + 4 * 8 + 19 * 16;
constexpr std::size_t kFirstPolygonCountAt = kSelectorCountAt + 4 + 16;
constexpr std::size_t kMainLengthAt = kFirstPolygonCountAt + 2 * (4 + 3 * 8) + 8;
constexpr std::size_t kFirstRectAt = 7 + 4 * 8;
constexpr std::size_t kReservedAt = kMainLengthAt - 8;

void PutI32(Bytes& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(std::uint32_t(v) >> (8 * i));
}
void PutI64(Bytes& b, std::size_t at, std::int64_t v) {
    for (int i = 0; i < 8; ++i) b[at + i] = std::uint8_t(std::uint64_t(v) >> (8 * i));
}

TEST(SkinFileParsing, LimitsAreCheckedBeforeAnythingIsSizedByThem) {
    const Bytes whole = SerializeSkinFile(SmallSkin(2));
    struct Case {
        std::size_t at;
        std::int64_t value;
        bool wide;
        SkinStatus expected;
    };
    const Case cases[] = {
        {kOutlineCountAt, 152, false, SkinStatus::TooManyOutlinePoints},
        {kOutlineCountAt, -1, false, SkinStatus::NegativeCount},
        {kOutlineCountAt, INT32_MIN, false, SkinStatus::NegativeCount},
        {kSelectorCountAt, 10, false, SkinStatus::TooManySelectorPolygons},
        {kSelectorCountAt, -3, false, SkinStatus::NegativeCount},
        {kFirstPolygonCountAt, 52, false, SkinStatus::TooManySelectorPoints},
        {kFirstPolygonCountAt, -1, false, SkinStatus::NegativeCount},
        {kMainLengthAt, -1, true, SkinStatus::BadImageLength},
        {kMainLengthAt, std::int64_t(1) << 31, true, SkinStatus::BadImageLength},
        {kMainLengthAt + 8, std::int64_t(1) << 40, true, SkinStatus::BadImageLength},
        {kMainLengthAt, (std::int64_t(1) << 31) - 1, true, SkinStatus::Truncated},
        // Coordinates beyond 32767 pixels, so that no later difference of
        // two of them can overflow (a point at INT32_MIN against a selector
        // at 2 once did, and a selector at INT32_MIN against the pointer).
        {7, 32768, false, SkinStatus::CoordinateOutOfRange},
        {11, -32768, false, SkinStatus::CoordinateOutOfRange},
        {kFirstRectAt + 8, INT32_MAX, false, SkinStatus::CoordinateOutOfRange},
        {kSelectorCountAt + 4, INT32_MIN, false, SkinStatus::CoordinateOutOfRange},
        {kFirstPolygonCountAt + 4, INT32_MIN, false, SkinStatus::CoordinateOutOfRange},
        {kReservedAt + 4, 40000, false, SkinStatus::CoordinateOutOfRange},
        {kFirstPolygonCountAt + 4, -32767, false, SkinStatus::Ok},
    };
    for (const auto& c : cases) {
        Bytes bytes = whole;
        c.wide ? PutI64(bytes, c.at, c.value) : PutI32(bytes, c.at, std::int32_t(c.value));
        SkinFile parsed;
        const SkinResult r = ParseSkinFile(bytes, parsed);
        EXPECT_EQ(r.status, c.expected) << "value " << c.value << " at " << c.at;
        if (c.expected != SkinStatus::Truncated && c.expected != SkinStatus::Ok) {
            EXPECT_EQ(r.offset, c.at);
        }
    }
}

TEST(SkinFileParsing, TrailerMustFitTheFile) {
    std::uint64_t length = 0;
    EXPECT_TRUE(ReadAppendedLength(MakeTrailer(100), 108, length));
    EXPECT_EQ(length, 100u);
    EXPECT_EQ(ReadAppendedLength(MakeTrailer(101), 108, length).status, SkinStatus::BadTrailer);
    EXPECT_EQ(ReadAppendedLength(MakeTrailer(~0ull), 1000, length).status, SkinStatus::BadTrailer);
}

}  // namespace
}  // namespace vesk::skin
