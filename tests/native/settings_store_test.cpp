#include <gtest/gtest.h>

#include "engine/appearance.h"
#include "engine/control_desktop.h"
#include "engine/registry_names.h"
#include "platform/sim/sim_system.h"

namespace vesk::engine {
namespace {

using platform::RegistryRoot;
using platform::sim::SimSystem;
using platform::sim::ValueType;

constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCU = RegistryRoot::CurrentUser;

class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() {
        sim.registry.CreateKey(HKLM, reg::kRunKey);
        sim.files.Put("C:\\pics\\start.bmp");
        sim.registry.SetString(HKCU, reg::kDesktopWallpaperKey, "WallPaper", "C:\\pics\\start.bmp");
        sim.registry.SetString(HKCU, reg::kDesktopWallpaperKey, "TileWallpaper", "0");
        sim.registry.SetString(HKCU, reg::kDesktopWallpaperKey, "WallpaperStyle", "0");
    }
    void Load() {
        auto services = sim.services();
        LoadSettings(state, services);
    }
    std::optional<std::uint32_t> StoredDword(const std::string& key, const std::string& name) {
        auto v = sim.registry.Get(HKLM, key, name);
        if (!v || v->type != ValueType::Dword) return std::nullopt;
        return v->dword;
    }
    std::optional<std::string> StoredString(const std::string& key, const std::string& name) {
        auto v = sim.registry.Get(HKLM, key, name);
        if (!v || v->type != ValueType::String) return std::nullopt;
        return v->text;
    }

    SimSystem sim;
    TControlDesktop state;
};

TEST_F(SettingsStore, FirstRunWritesEveryDefaultAndKeepsThemInMemory) {
    Load();

    const std::string common = reg::kCommonKey;
    const std::pair<const char*, std::uint32_t> dwords[] = {
        {"AutoRun", 1}, {"UseControlPassword", 1}, {"ExitMainWindow", 1}, {"ControlHot1", 2},
        {"ControlHot2", 121}, {"Setting1", 2}, {"Setting2", 122}, {"Record1", 2}, {"Record2", 123},
        {"Play1", 3}, {"Play2", 123}, {"ShowHelp", 1}, {"RecordHint", 1}, {"ShowIcon", 1},
        {"MaxSize", 2048}};
    for (const auto& [name, value] : dwords) EXPECT_EQ(StoredDword(common, name), value) << name;
    EXPECT_EQ(StoredString(common, "ControlPassword"), "");
    EXPECT_EQ(StoredString(common, "SettingPassword"), "");
    EXPECT_FALSE(sim.registry.Get(HKLM, common, "DesktopNum")) << "only written at save";

    for (int n = 1; n <= 9; ++n) {
        const std::string key = reg::DesktopKey(n);
        EXPECT_EQ(StoredDword(key, "DesktopHot"), 96u + n);
        EXPECT_EQ(StoredString(key, "Wallpaper"), "") << "the registry gets an empty path";
        EXPECT_EQ(StoredDword(key, "TileWall"), 0u);
        EXPECT_EQ(StoredString(key, "Password"), "");
        EXPECT_EQ(sim.registry.Get(HKLM, key, "forwhat")->name, "ForWhat");
        EXPECT_EQ(StoredDword(key, "Forwhat"), 0u);
        for (const char* flag : {"ProgWnd", "TrayWnd", "Volume"}) EXPECT_EQ(StoredDword(key, flag), 1u);

        const DesktopRecord& d = state.Desktop(n);
        EXPECT_EQ(d.DesktopHot, 96 + n);
        EXPECT_EQ(d.DesktopHotMod, 2);
        EXPECT_EQ(d.Wallpaper, "C:\\pics\\start.bmp") << "memory takes the start-up wallpaper";
        EXPECT_TRUE(d.WindowList.empty());
    }
    EXPECT_TRUE(state.AutoRun && state.UseControlPassword && state.ExitMainWindow);
    EXPECT_EQ(state.ControlHot2, 121);
    EXPECT_EQ(state.Play1, 3);
    EXPECT_EQ(state.MaxSize, 2048);
    EXPECT_EQ(state.CurrentDesktop, 1);
    EXPECT_TRUE(state.HotkeyGate);
    EXPECT_EQ(state.DesktopNum, 9);
    EXPECT_EQ(state.WindowsDir, "C:\\windows\\");
    EXPECT_EQ(state.OsName, "Windows NT");

    // A second start reads everything back and writes nothing new.
    const int writes = sim.registry.writeCount;
    TControlDesktop again;
    auto services = sim.services();
    LoadSettings(again, services);
    EXPECT_EQ(sim.registry.writeCount, writes);
    EXPECT_EQ(again.Desktop(1).Wallpaper, "") << "the stored empty path is read as it stands";
}

TEST_F(SettingsStore, SaveThenLoadRoundTripsEveryStoredField) {
    Load();
    state.AutoRun = false;
    state.UseControlPassword = false;
    state.ExitMainWindow = false;
    state.ShowHelp = false;
    state.RecordHint = false;
    state.ShowIcon = false;
    state.ControlPassword = "Zauberwort ÄÖÜ ß 密码 \" \\ ";
    state.SettingPassword = "  leading and trailing  ";
    state.ControlHot1 = 3;
    state.ControlHot2 = 45;
    state.Setting2 = 36;
    state.Record2 = 19;
    state.Play1 = 2;
    state.Play2 = 34;
    state.MaxSize = 512;
    DesktopRecord& d5 = state.Desktop(5);
    d5.DesktopHot = 70;
    d5.Wallpaper = "C:\\windows\\sea.bmp";
    d5.TileWall = 2;
    d5.Password = "ПАРОЛЬ";
    d5.Forwhat = 3;
    d5.ProgWnd = false;
    d5.TrayWnd = false;
    d5.Volume = false;
    d5.Name = "Post · 邮件";
    state.TrayNumber = false;
    SaveSettings(state, sim.registry, "C:\\Vesk\\Vesk.exe");

    TControlDesktop loaded;
    auto services = sim.services();
    LoadSettings(loaded, services);
    EXPECT_FALSE(loaded.AutoRun || loaded.UseControlPassword || loaded.ExitMainWindow ||
                 loaded.ShowHelp || loaded.RecordHint || loaded.ShowIcon);
    EXPECT_EQ(loaded.ControlPassword, state.ControlPassword);
    EXPECT_EQ(loaded.SettingPassword, state.SettingPassword);
    EXPECT_EQ(loaded.ControlHot1, 3);
    EXPECT_EQ(loaded.ControlHot2, 45);
    EXPECT_EQ(loaded.Setting2, 36);
    EXPECT_EQ(loaded.Record2, 19);
    EXPECT_EQ(loaded.Play1, 2);
    EXPECT_EQ(loaded.Play2, 34);
    EXPECT_EQ(loaded.MaxSize, 512);
    const DesktopRecord& r5 = loaded.Desktop(5);
    EXPECT_EQ(r5.DesktopHot, 70);
    EXPECT_EQ(r5.Wallpaper, "C:\\windows\\sea.bmp");
    EXPECT_EQ(r5.TileWall, 2);
    EXPECT_EQ(r5.Password, "ПАРОЛЬ");
    EXPECT_EQ(r5.Forwhat, 3);
    EXPECT_FALSE(r5.ProgWnd || r5.TrayWnd || r5.Volume);
    EXPECT_EQ(loaded.Desktop(4).Wallpaper, "C:\\pics\\start.bmp") << "saved from memory";
    EXPECT_EQ(StoredDword(reg::kCommonKey, "DesktopNum"), 9u);
    EXPECT_EQ(loaded.Stored(), state.Stored()) << "every field of the tables round-trips";
}

TEST_F(SettingsStore, AutorunWritesThePathOrEmptiesTheValue) {
    Load();
    SaveSettings(state, sim.registry, "C:\\Program Files\\Vesk\\Vesk.exe");
    EXPECT_EQ(sim.registry.Get(HKLM, reg::kRunKey, "Vesk")->text, "C:\\Program Files\\Vesk\\Vesk.exe");

    state.AutoRun = false;
    SaveSettings(state, sim.registry, "C:\\Program Files\\Vesk\\Vesk.exe");
    auto run = sim.registry.Get(HKLM, reg::kRunKey, "Vesk");
    ASSERT_TRUE(run) << "emptied, not deleted";
    EXPECT_EQ(run->type, ValueType::String);
    EXPECT_EQ(run->text, "");
}

TEST(SettingsStoreRunKey, IsNeverCreated) {
    SimSystem sim;
    TControlDesktop state;
    auto services = sim.services();
    LoadSettings(state, services);
    SaveSettings(state, sim.registry, "C:\\Vesk.exe");
    EXPECT_FALSE(sim.registry.KeyExists(HKLM, reg::kRunKey));
}

TEST_F(SettingsStore, StoredValuesOutsideTheirRangeFollowTheNarrowingRules) {
    const std::string d3 = reg::DesktopKey(3);
    sim.registry.SetDword(HKLM, d3, "TileWall", 258);
    sim.registry.SetDword(HKLM, d3, "forWHAT", 258);
    sim.registry.SetDword(HKLM, d3, "Volume", 7);
    sim.registry.SetDword(HKLM, reg::kCommonKey, "DesktopNum", 4);
    sim.registry.SetDword(HKLM, reg::kCommonKey, "MaxSize", 0xFFFFFFFF);
    sim.registry.SetString(HKLM, d3, "Name", "Line\r\nbreak and then far more than thirty-two letters");
    sim.registry.SetString(HKLM, reg::DesktopKey(4), "Name", std::string(31, 'x') + "жж");
    Load();

    EXPECT_EQ(state.Desktop(3).TileWall, 2);
    EXPECT_EQ(state.Desktop(3).Forwhat, 2);
    EXPECT_TRUE(state.Desktop(3).Volume) << "any non-zero DWORD is true";
    EXPECT_EQ(state.DesktopNum, 9);
    EXPECT_EQ(state.MaxSize, -1) << "sign-extended";
    EXPECT_EQ(sim.registry.Get(HKLM, d3, "Forwhat")->name, "forWHAT") << "existing name kept";
    EXPECT_EQ(state.Desktop(3).Name, "Line  break and then far more th") << "32 characters, no line break";
    EXPECT_EQ(state.Desktop(4).Name, std::string(31, 'x') + "ж") << "cut between characters, not inside one";

    SaveSettings(state, sim.registry, "x");
    EXPECT_EQ(StoredDword(reg::kCommonKey, "DesktopNum"), 9u);
    EXPECT_EQ(StoredDword(d3, "TileWall"), 2u);
    EXPECT_EQ(StoredDword(d3, "Volume"), 1u);
    EXPECT_EQ(StoredDword(reg::kCommonKey, "MaxSize"), 0xFFFFFFFFu);
}

TEST_F(SettingsStore, ValueOfAnotherTypeIsReplacedByItsDefault) {
    sim.registry.SetString(HKLM, reg::kCommonKey, "ControlHot2", "121");
    sim.registry.SetDword(HKLM, reg::kCommonKey, "ControlPassword", 1234);
    sim.registry.Set(HKLM, reg::DesktopKey(2), {"Wallpaper", ValueType::Binary, 0, "xx"});
    Load();

    EXPECT_EQ(state.ControlHot2, 121);
    EXPECT_EQ(state.ControlPassword, "");
    EXPECT_EQ(state.Desktop(2).Wallpaper, "C:\\pics\\start.bmp");
    EXPECT_EQ(StoredDword(reg::kCommonKey, "ControlHot2"), 121u);
    EXPECT_EQ(StoredString(reg::kCommonKey, "ControlPassword"), "");
    EXPECT_EQ(StoredString(reg::DesktopKey(2), "Wallpaper"), "");
}

TEST_F(SettingsStore, WithoutRightsTheDefaultsStayInMemoryAndNothingIsWritten) {
    sim.registry.readOnly = true;
    Load();
    EXPECT_EQ(sim.registry.writeCount, 0);
    EXPECT_EQ(state.ControlHot2, 121);
    EXPECT_EQ(state.Desktop(9).DesktopHot, 105);
    EXPECT_EQ(state.Desktop(9).Wallpaper, "C:\\pics\\start.bmp");
    SaveSettings(state, sim.registry, "x");  // must not fail
    EXPECT_FALSE(sim.registry.KeyExists(HKLM, reg::kCommonKey));
}

// A standard user: HKEY_LOCAL_MACHINE\Software reads but refuses changes,
// and a 64-bit process gets no virtualization to hide that.
TEST_F(SettingsStore, WithoutRightsToTheMachineTheWholeSetGoesToTheUsersCopyAndIsReadBack) {
    sim.registry.SetDword(HKLM, reg::kCommonKey, "ControlHot2", 45);  // set up by an administrator
    sim.registry.Set(HKCU, reg::kRecoveryKey, {"HiddenWindows1", ValueType::Binary, 0, "x"});
    sim.registry.DenyKey(HKLM, "Software");
    Load();
    EXPECT_EQ(state.ControlHot2, 45) << "the crash journal's key makes no copy of the settings";
    EXPECT_EQ(state.ControlHot1, 2);
    EXPECT_FALSE(sim.registry.KeyExists(HKCU, reg::kCommonKey)) << "defaults wait for the save";

    state.Desktop(7).Password = "sieben";
    SaveSettings(state, sim.registry, "C:\\Vesk\\Vesk.exe");
    EXPECT_EQ(sim.registry.ValueCount(HKLM, reg::kCommonKey), 1u) << "the machine's copy is untouched";
    EXPECT_EQ(sim.registry.ValueCount(HKCU, reg::kCommonKey), 19u) << "every common value and DesktopNum";
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(sim.registry.ValueCount(HKCU, reg::DesktopKey(n)), 9u) << n;
    EXPECT_EQ(sim.registry.Get(HKCU, reg::kCommonKey, "ControlHot2")->dword, 45u);

    TControlDesktop loaded;
    auto services = sim.services();
    LoadSettings(loaded, services);
    EXPECT_EQ(loaded.Stored(), state.Stored());
    EXPECT_EQ(loaded.Desktop(7).Password, "sieben");
}

// Which copy wins: the user's while it exists; a save that the machine takes
// whole removes it, so a user who gains the rights is left with one copy.
TEST_F(SettingsStore, AUserWhoGainsTheRightsMovesTheSettingsBackToTheMachine) {
    sim.registry.DenyKey(HKLM, "Software");
    Load();
    state.ControlHot2 = 45;
    SaveSettings(state, sim.registry, "x");
    sim.registry.Set(HKCU, reg::kRecoveryKey, {"HiddenWindows1", ValueType::Binary, 0, "x"});

    sim.registry.AllowAllKeys();
    TControlDesktop elevated;
    auto services = sim.services();
    LoadSettings(elevated, services);
    EXPECT_EQ(elevated.ControlHot2, 45) << "the user's copy is read while it exists";
    EXPECT_FALSE(sim.registry.KeyExists(HKLM, reg::kCommonKey)) << "loading writes to the copy it reads";

    elevated.Setting2 = 36;
    SaveSettings(elevated, sim.registry, "x");
    EXPECT_EQ(StoredDword(reg::kCommonKey, "ControlHot2"), 45u);
    EXPECT_EQ(StoredDword(reg::kCommonKey, "Setting2"), 36u);
    EXPECT_FALSE(sim.registry.KeyExists(HKCU, reg::kCommonKey));
    for (int n = 1; n <= 9; ++n) EXPECT_FALSE(sim.registry.KeyExists(HKCU, reg::DesktopKey(n))) << n;
    EXPECT_TRUE(sim.registry.Get(HKCU, reg::kRecoveryKey, "HiddenWindows1")) << "the crash journal stays";

    // A later run without the rights again: it reads the machine's copy,
    // now the newest, and its save makes a user's copy once more.
    sim.registry.DenyKey(HKLM, "Software");
    TControlDesktop limited;
    LoadSettings(limited, services);
    EXPECT_EQ(limited.Stored(), elevated.Stored());
    limited.Record2 = 19;
    SaveSettings(limited, sim.registry, "x");
    EXPECT_EQ(sim.registry.Get(HKCU, reg::kCommonKey, "Record2")->dword, 19u);
    EXPECT_EQ(StoredDword(reg::kCommonKey, "Record2"), 123u);
}

// The start reads no volume (winmm stays unloaded until the hotkeys are in);
// the first use reads it once, so music turned off later is never taken for
// the level to give back.
TEST_F(SettingsStore, StartVolumeIsReadOnceAtItsFirstUseAndBelowTheLimitBecomesAModerateLevel) {
    const std::pair<std::optional<std::uint32_t>, std::uint32_t> cases[] = {
        {0x3B9AC9FF, 0xC4C4C4C4}, {0x3B9ACA00, 0x3B9ACA00}, {0, 0xC4C4C4C4},
        {std::nullopt, 0xC4C4C4C4}, {0xFFFFFFFF, 0xFFFFFFFF}};
    for (const auto& [device, expected] : cases) {
        sim.sound.volume = device;
        state = {};
        Load();
        EXPECT_FALSE(state.StartVolume.has_value());
        EXPECT_EQ(StartVolumeOf(state, sim.sound), expected);
        sim.sound.volume = 0;
        EXPECT_EQ(StartVolumeOf(state, sim.sound), expected);
    }
}

TEST_F(SettingsStore, FindsTheShellWindowsByClassWithoutCase) {
    const auto icons = sim.windows.Create("Progman", "Program Manager");
    const auto taskbar = sim.windows.Create("Shell_TrayWnd", "");
    Load();
    EXPECT_EQ(state.DesktopIconsWindow, icons);
    EXPECT_EQ(state.TaskbarWindow, taskbar);
}

TEST_F(SettingsStore, ExitPasswordSettingOffIsKeptAcrossRuns) {
    sim.registry.SetDword(HKLM, reg::kCommonKey, "ExitMainWindow", 0);
    Load();
    EXPECT_FALSE(state.ExitMainWindow);
    SaveSettings(state, sim.registry, "x");
    EXPECT_EQ(StoredDword(reg::kCommonKey, "ExitMainWindow"), 0u);
}

}  // namespace
}  // namespace vesk::engine
