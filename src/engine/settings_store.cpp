#include <memory>
#include <optional>

#include "engine/appearance.h"
#include "engine/control_desktop.h"
#include "engine/registry_names.h"
#include "engine/system_actions.h"

namespace vesk::engine {
namespace {

using platform::Registry;
using platform::RegistryKey;
using platform::RegistryRoot;

// The volume below which the start-up level is taken as "too quiet to be
// meant" and replaced by a moderate level on both channels.
constexpr std::uint32_t kQuietVolumeLimit = 1000000000;
constexpr std::uint32_t kModerateVolume = 0xC4C4C4C4;

// Reads stored values, writing a value's default back at once when it is
// absent or stored with another type. A key that could not be opened (no
// rights) reads every value as its default and writes nothing.
class ValueReader {
public:
    explicit ValueReader(std::unique_ptr<RegistryKey> key) : key_(std::move(key)) {}

    std::uint32_t Dword(const char* name, std::uint32_t fallback, const char* createAs = nullptr) {
        if (!key_) return fallback;
        if (auto stored = key_->ReadDword(name)) return *stored;
        key_->WriteDword(createAs ? createAs : name, fallback);
        return fallback;
    }
    std::int32_t Int(const char* name, std::int32_t fallback) {
        return static_cast<std::int32_t>(Dword(name, static_cast<std::uint32_t>(fallback)));
    }
    bool Bool(const char* name, bool fallback) { return Dword(name, fallback ? 1 : 0) != 0; }
    std::uint8_t Byte(const char* name, std::uint8_t fallback, const char* createAs = nullptr) {
        return static_cast<std::uint8_t>(Dword(name, fallback, createAs) & 0xFF);
    }
    // storedDefault goes to the registry, memoryDefault into the field.
    std::string String(const char* name, const std::string& storedDefault,
                       const std::string& memoryDefault) {
        if (!key_) return memoryDefault;
        if (auto stored = key_->ReadString(name)) return *stored;
        key_->WriteString(name, storedDefault);
        return memoryDefault;
    }
    std::string String(const char* name) { return String(name, {}, {}); }

private:
    std::unique_ptr<RegistryKey> key_;
};

std::unique_ptr<RegistryKey> OpenSettingsKey(Registry& registry, const std::string& path) {
    // The parent is opened (and created) first so that a fresh machine gets
    // the whole tree even where creating a nested key in one go is refused.
    registry.OpenKey(RegistryRoot::LocalMachine, reg::kVeskKey, true);
    return registry.OpenKey(RegistryRoot::LocalMachine, path, true);
}

void LoadCommon(TControlDesktop& s, Registry& registry) {
    ValueReader v(OpenSettingsKey(registry, reg::kCommonKey));
    s.AutoRun = v.Bool(reg::kAutoRun, true);
    s.UseControlPassword = v.Bool(reg::kUseControlPassword, true);
    s.ExitMainWindow = v.Bool(reg::kExitMainWindow, true);
    s.ControlPassword = v.String(reg::kControlPassword);
    s.SettingPassword = v.String(reg::kSettingPassword);
    s.ControlHot1 = v.Int(reg::kControlHot1, 2);
    s.ControlHot2 = v.Int(reg::kControlHot2, 121);
    s.Setting1 = v.Int(reg::kSetting1, 2);
    s.Setting2 = v.Int(reg::kSetting2, 122);
    s.Record1 = v.Int(reg::kRecord1, 2);
    s.Record2 = v.Int(reg::kRecord2, 123);
    s.Play1 = v.Int(reg::kPlay1, 3);
    s.Play2 = v.Int(reg::kPlay2, 123);
    s.ShowHelp = v.Bool(reg::kShowHelp, true);
    s.RecordHint = v.Bool(reg::kRecordHint, true);
    s.ShowIcon = v.Bool(reg::kShowIcon, true);
    s.MaxSize = v.Int(reg::kMaxSize, 2048);  // sign-extended to 64 bits
}

void LoadDesktop(TControlDesktop& s, Registry& registry, int n) {
    DesktopRecord& d = s.Desktop(n);
    d.WindowList.clear();
    ValueReader v(OpenSettingsKey(registry, reg::DesktopKey(n)));
    d.DesktopHotMod = 2;
    d.DesktopHot = v.Int(reg::kDesktopHot, 96 + n);
    d.Wallpaper = v.String(reg::kWallpaper, {}, s.StartWallpaper);
    d.TileWall = v.Byte(reg::kTileWall, 0);
    d.Password = v.String(reg::kPassword);
    d.Forwhat = v.Byte(reg::kForwhat, 0, reg::kForwhatCreated);
    d.ProgWnd = v.Bool(reg::kProgWnd, true);
    d.TrayWnd = v.Bool(reg::kTrayWnd, true);
    d.Volume = v.Bool(reg::kVolume, true);
    d.FocusWindow = platform::kNoWindow;
}

void WriteBool(RegistryKey& key, const char* name, bool value) { key.WriteDword(name, value ? 1 : 0); }
void WriteInt(RegistryKey& key, const char* name, std::int64_t value) {
    key.WriteDword(name, static_cast<std::uint32_t>(value));  // low 32 bits
}

}  // namespace

void LoadSettings(TControlDesktop& s, platform::Services& system) {
    s.HotkeyGate = true;
    s.OsName = DetectOs(system.power);
    s.DesktopIconsWindow = system.windows.FindByClass("ProgMan");
    s.TaskbarWindow = system.windows.FindByClass("Shell_TrayWnd");
    s.StartVolume = GetVolume(system.sound).value_or(0);
    if (s.StartVolume < kQuietVolumeLimit) s.StartVolume = kModerateVolume;
    s.CurrentDesktop = 1;
    const WallpaperSetting wallpaper = ReadSystemWallpaper(system.registry, system.files);
    s.StartWallpaper = wallpaper.path;
    s.StartWallStyle = wallpaper.style;
    s.WindowsDir = ReadWindowsDir(system.files);
    s.DesktopNum = kDesktopCount;
    LoadCommon(s, system.registry);
    for (int n = 1; n <= s.DesktopNum; ++n) LoadDesktop(s, system.registry, n);
    s.AllWindows.clear();
}

void SaveSettings(const TControlDesktop& s, platform::Registry& registry, const std::string& exePath) {
    if (auto key = OpenSettingsKey(registry, reg::kCommonKey)) {
        WriteInt(*key, reg::kDesktopNum, s.DesktopNum);
        WriteInt(*key, reg::kControlHot1, s.ControlHot1);
        WriteInt(*key, reg::kControlHot2, s.ControlHot2);
        WriteInt(*key, reg::kSetting1, s.Setting1);
        WriteInt(*key, reg::kSetting2, s.Setting2);
        WriteInt(*key, reg::kRecord1, s.Record1);
        WriteInt(*key, reg::kRecord2, s.Record2);
        WriteInt(*key, reg::kPlay1, s.Play1);
        WriteInt(*key, reg::kPlay2, s.Play2);
        WriteBool(*key, reg::kAutoRun, s.AutoRun);
        WriteBool(*key, reg::kUseControlPassword, s.UseControlPassword);
        WriteBool(*key, reg::kExitMainWindow, s.ExitMainWindow);
        WriteBool(*key, reg::kShowHelp, s.ShowHelp);
        WriteBool(*key, reg::kRecordHint, s.RecordHint);
        WriteBool(*key, reg::kShowIcon, s.ShowIcon);
        key->WriteString(reg::kControlPassword, s.ControlPassword);
        key->WriteString(reg::kSettingPassword, s.SettingPassword);
        WriteInt(*key, reg::kMaxSize, s.MaxSize);
    }
    // The Run key belongs to the system: opened, never created. Turning
    // autostart off empties the value rather than deleting it.
    if (auto run = registry.OpenKey(platform::RegistryRoot::LocalMachine, reg::kRunKey, false)) {
        run->WriteString(reg::kRunValue, s.AutoRun ? exePath : std::string());
    }
    for (int n = 1; n <= s.DesktopNum; ++n) {
        auto key = OpenSettingsKey(registry, reg::DesktopKey(n));
        if (!key) continue;
        const DesktopRecord& d = s.Desktop(n);
        WriteInt(*key, reg::kDesktopHot, d.DesktopHot);
        key->WriteString(reg::kWallpaper, d.Wallpaper);
        WriteInt(*key, reg::kTileWall, d.TileWall);
        key->WriteString(reg::kPassword, d.Password);
        WriteInt(*key, reg::kForwhat, d.Forwhat);
        WriteBool(*key, reg::kProgWnd, d.ProgWnd);
        WriteBool(*key, reg::kTrayWnd, d.TrayWnd);
        WriteBool(*key, reg::kVolume, d.Volume);
    }
}

}  // namespace vesk::engine
