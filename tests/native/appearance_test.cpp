#include <gtest/gtest.h>

#include <functional>

#include "engine/appearance.h"
#include "engine/registry_names.h"
#include "jpeg_fixture.h"
#include "platform/sim/sim_system.h"
#include "image/jpeg_decoder.h"

namespace vesk::engine {
namespace {

using platform::RegistryRoot;

class Appearance : public ::testing::Test {
protected:
    Appearance() {
        for (const char* key : {reg::kDesktopWallpaperKey, reg::kIeWallpaperKey}) {
            sim.registry.CreateKey(RegistryRoot::CurrentUser, key);
        }
        state.WindowsDir = "C:\\windows\\";
    }
    std::string Shell(const char* key, const char* name) {
        auto v = sim.registry.Get(RegistryRoot::CurrentUser, key, name);
        return v ? v->text : "<absent>";
    }
    void Apply(int desktop) {
        auto services = sim.services();
        ApplyWallpaper(state, services, desktop);
    }
    platform::sim::SimSystem sim;
    TControlDesktop state;
};

TEST_F(Appearance, WallpaperStyleIsWrittenUnderBothKeysThenAppliedOnce) {
    const struct {
        std::uint8_t style;
        const char* tile;
        const char* stretch;
    } cases[] = {{0, "0", "0"}, {1, "0", "2"}, {2, "1", "0"}};
    for (const auto& c : cases) {
        state.Desktop(4).Wallpaper = "C:\\windows\\sea.bmp";
        state.Desktop(4).TileWall = c.style;
        sim.shell.wallpaperCalls.clear();
        Apply(4);
        for (const char* key : {reg::kDesktopWallpaperKey, reg::kIeWallpaperKey}) {
            EXPECT_EQ(Shell(key, "WallPaper"), "C:\\windows\\sea.bmp");
            EXPECT_EQ(Shell(key, "TileWallpaper"), c.tile) << int(c.style);
            EXPECT_EQ(Shell(key, "WallpaperStyle"), c.stretch) << int(c.style);
        }
        ASSERT_EQ(sim.shell.wallpaperCalls.size(), 1u);
        EXPECT_EQ(sim.shell.wallpaperCalls[0], "C:\\windows\\sea.bmp");
    }
}

TEST_F(Appearance, WallpaperInEffectIsNotSetAgainUnlessChangedBehindTheProgram) {
    state.Desktop(4).Wallpaper = "C:\\windows\\sea.bmp";
    state.Desktop(4).TileWall = 1;
    state.Desktop(5) = state.Desktop(4);
    state.Desktop(5).Wallpaper = "c:\\WINDOWS\\sea.bmp";
    const struct {
        const char* change;
        std::function<void()> behindTheProgram;
        std::size_t sets;
    } cases[] = {
        {"nothing", [] {}, 0},
        {"the picture", [&] { sim.shell.wallpaper = "C:\\other.bmp"; }, 1},
        {"the style", [&] { sim.registry.SetString(RegistryRoot::CurrentUser, reg::kDesktopWallpaperKey, "TileWallpaper", "1"); }, 1},
        {"the browser's copy", [&] { sim.registry.SetString(RegistryRoot::CurrentUser, reg::kIeWallpaperKey, "WallPaper", ""); }, 1},
        // Last: desktop 5 keeps its empty path.
        {"nothing, with no picture on either", [&] {
             state.Desktop(5).Wallpaper.clear();
             sim.shell.SetDeskWallpaper(std::nullopt);
             sim.registry.SetString(RegistryRoot::CurrentUser, reg::kDesktopWallpaperKey, "WallPaper", "");
             sim.registry.SetString(RegistryRoot::CurrentUser, reg::kIeWallpaperKey, "WallPaper", "");
         }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        Apply(4);
        c.behindTheProgram();
        sim.shell.wallpaperCalls.clear();
        Apply(5);
        EXPECT_EQ(sim.shell.wallpaperCalls.size(), c.sets);
        EXPECT_EQ(Shell(reg::kIeWallpaperKey, "TileWallpaper"), "0");
    }
}

TEST_F(Appearance, EmptyPathClearsTheWallpaperAndUnknownStylesLeaveTheShellStyle) {
    sim.shell.wallpaper = "C:\\before.bmp";
    state.Desktop(2).TileWall = 2;
    Apply(2);
    EXPECT_EQ(Shell(reg::kDesktopWallpaperKey, "WallPaper"), "");
    EXPECT_EQ(Shell(reg::kDesktopWallpaperKey, "TileWallpaper"), "0");
    EXPECT_EQ(Shell(reg::kDesktopWallpaperKey, "WallpaperStyle"), "0");
    EXPECT_EQ(sim.shell.wallpaperCalls, std::vector<std::string>{""}) << "no wallpaper, as Windows takes it";

    state.StartWallpaper = "C:\\start.bmp";
    state.StartWallStyle = 10;
    Apply(0);
    EXPECT_EQ(Shell(reg::kIeWallpaperKey, "WallPaper"), "C:\\start.bmp");
    EXPECT_EQ(Shell(reg::kIeWallpaperKey, "TileWallpaper"), "0") << "left as it was";
}

TEST_F(Appearance, MissingBrowserKeyIsSkippedNotCreated) {
    sim = {};
    sim.registry.CreateKey(RegistryRoot::CurrentUser, reg::kDesktopWallpaperKey);
    Apply(1);
    EXPECT_FALSE(sim.registry.KeyExists(RegistryRoot::CurrentUser, reg::kIeWallpaperKey));
    EXPECT_EQ(sim.shell.wallpaperCalls.size(), 1u);
}

TEST_F(Appearance, JpegImportBecomesABitmapInTheWindowsDirectory) {
    const auto picture = testing::GradientPicture(33, 17);
    const auto jpeg = testing::EncodeJpeg(picture);
    sim.files.Put("D:\\photos\\sea.jpg", jpeg);
    const ImportResult result = ImportWallpaper(state, sim.files, "D:\\photos\\sea.jpg");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.path, "C:\\windows\\sea.bmp");
    EXPECT_FALSE(sim.files.Exists("C:\\windows\\sea.jpg")) << "intermediate copy removed";
    EXPECT_EQ(sim.files.ReadAll("D:\\photos\\sea.jpg"), jpeg) << "chosen file untouched";

    const auto bmp = *sim.files.ReadAll(result.path);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[18], 33);  // width
    EXPECT_EQ(bmp[22], 17);  // height
    EXPECT_EQ(bmp[28], 24);  // bits per pixel
    const std::size_t stride = (33 * 3 + 3) & ~3u;
    EXPECT_EQ(bmp.size(), 54 + stride * 17);
    // Bottom-up, blue first: the first stored pixel is the picture's bottom-left.
    image::RgbImage decoded;
    ASSERT_TRUE(image::DecodeJpeg(jpeg, decoded));
    const std::size_t bottomLeft = std::size_t(16) * 33 * 3;
    EXPECT_EQ(bmp[54], decoded.pixels[bottomLeft + 2]);
    EXPECT_EQ(bmp[56], decoded.pixels[bottomLeft]);
}

TEST_F(Appearance, BitmapImportIsACopyWhateverTheCaseOfItsExtension) {
    sim.files.Put("D:\\art\\Dune.Bmp", {'B', 'M', 1, 2, 3});
    const ImportResult result = ImportWallpaper(state, sim.files, "D:\\art\\Dune.Bmp");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.path, "C:\\windows\\Dune.Bmp");
    EXPECT_EQ(sim.files.ReadAll(result.path), (std::vector<std::uint8_t>{'B', 'M', 1, 2, 3}));
}

TEST_F(Appearance, FailedImportsReportAndLeaveNoCopyBehind) {
    sim.files.Put("D:\\photos\\broken.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J'});
    ImportResult result = ImportWallpaper(state, sim.files, "D:\\photos\\broken.jpg");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(sim.files.Exists("C:\\windows\\broken.jpg"));
    EXPECT_FALSE(sim.files.Exists("C:\\windows\\broken.bmp"));
    EXPECT_TRUE(sim.files.Exists("D:\\photos\\broken.jpg"));

    result = ImportWallpaper(state, sim.files, "D:\\photos\\missing.jpg");
    EXPECT_FALSE(result.ok);

    // A JPEG picked from the Windows directory itself is converted but kept.
    const auto jpeg = testing::EncodeJpeg(testing::GradientPicture(8, 8));
    sim.files.Put("C:\\windows\\own.jpg", jpeg);
    result = ImportWallpaper(state, sim.files, "C:\\windows\\own.jpg");
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(sim.files.Exists("C:\\windows\\own.jpg"));
    EXPECT_TRUE(sim.files.Exists("C:\\windows\\own.bmp"));
}

// A standard user may not write into the Windows directory, and a 64-bit
// process gets no file virtualization to hide that.
TEST_F(Appearance, WithoutRightsToTheWindowsDirectoryPicturesGoToTheUsersVeskFolder) {
    const std::string folder = "C:\\Users\\user\\AppData\\Local\\Vesk";
    const auto jpeg = testing::EncodeJpeg(testing::GradientPicture(8, 8));
    sim.files.Put("D:\\photos\\sea.jpg", jpeg);
    sim.files.Put("D:\\art\\Dune.bmp", {'B', 'M'});
    sim.files.Put("C:\\windows\\own.jpg", jpeg);
    sim.files.DenyFolder("C:\\windows");
    const struct {
        const char* chosen;
        const char* path;
    } rows[] = {
        {"D:\\photos\\sea.jpg", "C:\\Users\\user\\AppData\\Local\\Vesk\\sea.bmp"},
        {"D:\\art\\Dune.bmp", "C:\\Users\\user\\AppData\\Local\\Vesk\\Dune.bmp"},
        // Its bitmap cannot go beside it.
        {"C:\\windows\\own.jpg", "C:\\Users\\user\\AppData\\Local\\Vesk\\own.bmp"},
    };
    for (const auto& row : rows) {
        const ImportResult result = ImportWallpaper(state, sim.files, row.chosen);
        ASSERT_TRUE(result.ok) << row.chosen << ": " << result.error;
        EXPECT_EQ(result.path, row.path);
        EXPECT_TRUE(sim.files.Exists(row.path)) << row.path;
        EXPECT_TRUE(sim.files.Exists(row.chosen)) << row.chosen;
    }
    EXPECT_TRUE(sim.files.IsDirectory(folder));
    EXPECT_FALSE(sim.files.Exists(folder + "\\sea.jpg")) << "intermediate copy removed";
    EXPECT_FALSE(sim.files.Exists(folder + "\\own.jpg"));

    sim.files.DenyFolder("C:\\Users\\user");
    const ImportResult refused = ImportWallpaper(state, sim.files, "D:\\photos\\sea.jpg");
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("C:\\windows\\"), std::string::npos) << refused.error;
    EXPECT_NE(refused.error.find(folder), std::string::npos) << refused.error;
}

TEST(ShellWindows, AreTouchedOnlyWhenTheirVisibilityMustChange) {
    platform::sim::SimWindows windows;
    const auto taskbar = windows.Create("Shell_TrayWnd", "", true);
    EXPECT_FALSE(ShowShellWindow(windows, taskbar));
    EXPECT_TRUE(HideShellWindow(windows, taskbar));
    EXPECT_FALSE(HideShellWindow(windows, taskbar));
    EXPECT_EQ(windows.hideCalls, 1);
    EXPECT_TRUE(ShowShellWindow(windows, taskbar));
    EXPECT_TRUE(windows.IsVisible(taskbar));
}

}  // namespace
}  // namespace vesk::engine
