#include <gtest/gtest.h>

#include "engine/appearance.h"
#include "engine/registry_names.h"
#include "platform/sim/sim_system.h"

namespace vesk::engine {
namespace {

using platform::RegistryRoot;
using platform::sim::SimSystem;

class SystemWallpaper : public ::testing::Test {
protected:
    void SetShell(const char* key, const std::string& path, const char* tile, const char* style) {
        sim.registry.SetString(RegistryRoot::CurrentUser, key, "WallPaper", path);
        if (tile) sim.registry.SetString(RegistryRoot::CurrentUser, key, "TileWallpaper", tile);
        if (style) sim.registry.SetString(RegistryRoot::CurrentUser, key, "WallpaperStyle", style);
    }
    WallpaperSetting Read() { return ReadSystemWallpaper(sim.registry, sim.files); }
    SimSystem sim;
};

TEST_F(SystemWallpaper, StyleFollowsTheTileAndStyleValues) {
    sim.files.Put("C:\\w.bmp");
    struct Case {
        const char* tile;
        const char* style;
        std::uint8_t expected;
    };
    const Case cases[] = {{"0", "0", 0}, {"0", "2", 1}, {"1", "0", 2}, {"1", "2", 2},
                          {nullptr, "0", 2}, {"0", nullptr, 0}, {"0", "x", 0}, {"0", "10", 10},
                          {"0", "", 0}, {"0", "6 ", 0}};
    for (const auto& c : cases) {
        sim = {};
        sim.files.Put("C:\\w.bmp");
        SetShell(reg::kDesktopWallpaperKey, "C:\\w.bmp", c.tile, c.style);
        const auto setting = Read();
        EXPECT_EQ(setting.path, "C:\\w.bmp");
        EXPECT_EQ(setting.style, c.expected) << (c.tile ? c.tile : "-") << "/" << (c.style ? c.style : "-");
    }
}

TEST_F(SystemWallpaper, MissingFileFallsBackToTheBrowserKey) {
    SetShell(reg::kDesktopWallpaperKey, "C:\\gone.bmp", "0", "2");
    sim.files.Put("C:\\ie.bmp");
    SetShell(reg::kIeWallpaperKey, "C:\\ie.bmp", "1", "0");
    const auto setting = Read();
    EXPECT_EQ(setting.path, "C:\\ie.bmp");
    EXPECT_EQ(setting.style, 2);
}

TEST_F(SystemWallpaper, NoWallpaperAnywhereGivesAnEmptyPath) {
    SetShell(reg::kDesktopWallpaperKey, "", "0", "0");  // a fresh Wine prefix looks like this
    EXPECT_EQ(Read().path, "");
    SetShell(reg::kIeWallpaperKey, "C:\\missing.jpg", "0", "2");
    const auto setting = Read();
    EXPECT_EQ(setting.path, "");
    EXPECT_EQ(setting.style, 1) << "the style comes from the key read last";
}

TEST(WindowsDir, KeepsLongPathsWholeAndAddsOneSeparator) {
    SimSystem sim;
    const std::string longDir = "D:\\" + std::string(200, 'w') + "\\Windows";
    sim.files.windowsDirectory = longDir;
    EXPECT_EQ(ReadWindowsDir(sim.files), longDir + "\\");
    sim.files.windowsDirectory = "C:\\";
    EXPECT_EQ(ReadWindowsDir(sim.files), "C:\\");
}

}  // namespace
}  // namespace vesk::engine
