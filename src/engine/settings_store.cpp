#include <concepts>
#include <memory>
#include <variant>

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

// A stored setting: the registry value that keeps it and the member it
// fills. Text is a string value, everything else a DWORD.
template <class Settings>
struct Field {
    const char* name;
    std::variant<bool Settings::*, std::int32_t Settings::*, std::uint8_t Settings::*, std::int64_t Settings::*,
                 std::string Settings::*>
        member;
    const char* createdAs = nullptr;  // the spelling a missing value is created with, if not name
};

// In the order in which a first start writes the defaults.
constexpr Field<CommonSettings> kCommonFields[] = {
    {"AutoRun", &CommonSettings::AutoRun},
    {"UseControlPassword", &CommonSettings::UseControlPassword},
    {"ExitMainWindow", &CommonSettings::ExitMainWindow},
    {"ControlPassword", &CommonSettings::ControlPassword},
    {"SettingPassword", &CommonSettings::SettingPassword},
    {"ControlHot1", &CommonSettings::ControlHot1},
    {"ControlHot2", &CommonSettings::ControlHot2},
    {"Setting1", &CommonSettings::Setting1},
    {"Setting2", &CommonSettings::Setting2},
    {"Record1", &CommonSettings::Record1},
    {"Record2", &CommonSettings::Record2},
    {"Play1", &CommonSettings::Play1},
    {"Play2", &CommonSettings::Play2},
    {"ShowHelp", &CommonSettings::ShowHelp},
    {"RecordHint", &CommonSettings::RecordHint},
    {"ShowIcon", &CommonSettings::ShowIcon},
    {"MaxSize", &CommonSettings::MaxSize},
};

constexpr Field<DesktopSettings> kDesktopFields[] = {
    {"DesktopHot", &DesktopSettings::DesktopHot},
    {"Wallpaper", &DesktopSettings::Wallpaper},
    {"TileWall", &DesktopSettings::TileWall},
    {"Password", &DesktopSettings::Password},
    // The registry compares value names without case, so both spellings
    // name the same value; an existing one keeps its own.
    {"Forwhat", &DesktopSettings::Forwhat, "ForWhat"},
    {"ProgWnd", &DesktopSettings::ProgWnd},
    {"TrayWnd", &DesktopSettings::TrayWnd},
    {"Volume", &DesktopSettings::Volume},
};

// A DWORD reads as a signed 32-bit number: a 64-bit member gets it
// sign-extended, a byte its low eight bits, a flag whether it is not 0.
// Writing keeps the low 32 bits.
template <std::integral Number>
bool Read(RegistryKey& key, const char* name, Number& value) {
    const auto stored = key.ReadDword(name);
    if (stored) value = static_cast<Number>(static_cast<std::int32_t>(*stored));
    return stored.has_value();
}
bool Read(RegistryKey& key, const char* name, std::string& value) {
    const auto stored = key.ReadString(name);
    if (stored) value = *stored;
    return stored.has_value();
}
template <std::integral Number>
void Write(RegistryKey& key, const char* name, Number value) {
    key.WriteDword(name, static_cast<std::uint32_t>(value));
}
void Write(RegistryKey& key, const char* name, const std::string& value) { key.WriteString(name, value); }

// `settings` comes in holding what each field is without a usable stored
// value; a value that is absent or stored with another type is replaced at
// once by the field's value in `written`. A key that could not be opened (no
// rights) leaves `settings` as it came and writes nothing.
void LoadFields(RegistryKey* key, const auto& fields, const auto& written, auto& settings) {
    if (!key) return;
    for (const auto& field : fields) {
        std::visit(
            [&](auto member) {
                if (!Read(*key, field.name, settings.*member)) {
                    Write(*key, field.createdAs ? field.createdAs : field.name, written.*member);
                }
            },
            field.member);
    }
}

void SaveFields(RegistryKey& key, const auto& fields, const auto& settings) {
    for (const auto& field : fields) {
        std::visit([&](auto member) { Write(key, field.name, settings.*member); }, field.member);
    }
}

// The parent is opened (and created) once before its subkeys so that a
// fresh machine gets the whole tree even where creating a nested key in one
// go is refused.
void CreateSettingsTree(Registry& registry) { registry.OpenKey(RegistryRoot::LocalMachine, reg::kVeskKey, true); }

std::unique_ptr<RegistryKey> OpenSettingsKey(Registry& registry, const std::string& path) {
    return registry.OpenKey(RegistryRoot::LocalMachine, path, true);
}

void LoadCommon(CommonSettings& common, Registry& registry) {
    const CommonSettings defaults;
    common = defaults;
    LoadFields(OpenSettingsKey(registry, reg::kCommonKey).get(), kCommonFields, defaults, common);
}

void LoadDesktop(TControlDesktop& s, Registry& registry, int n) {
    DesktopRecord& d = s.Desktop(n);
    d.WindowList.clear();
    d.FocusWindow = platform::kNoWindow;
    DesktopSettings defaults;
    defaults.DesktopHot = 96 + n;  // Ctrl and keypad n
    DesktopSettings& settings = d;
    settings = defaults;
    // Without a stored path the desktop shows the start-up wallpaper, while
    // the registry gets an empty path.
    settings.Wallpaper = s.StartWallpaper;
    LoadFields(OpenSettingsKey(registry, reg::DesktopKey(n)).get(), kDesktopFields, defaults, settings);
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
    CreateSettingsTree(system.registry);
    LoadCommon(s, system.registry);
    for (int n = 1; n <= s.DesktopNum; ++n) LoadDesktop(s, system.registry, n);
    s.AllWindows.clear();
}

void SaveSettings(const TControlDesktop& s, platform::Registry& registry, const std::string& exePath) {
    CreateSettingsTree(registry);
    if (auto key = OpenSettingsKey(registry, reg::kCommonKey)) {
        Write(*key, reg::kDesktopNum, s.DesktopNum);
        SaveFields(*key, kCommonFields, s);
    }
    // The Run key belongs to the system: opened, never created. Turning
    // autostart off empties the value rather than deleting it.
    if (auto run = registry.OpenKey(platform::RegistryRoot::LocalMachine, reg::kRunKey, false)) {
        run->WriteString(reg::kRunValue, s.AutoRun ? exePath : std::string());
    }
    for (int n = 1; n <= s.DesktopNum; ++n) {
        if (auto key = OpenSettingsKey(registry, reg::DesktopKey(n))) {
            SaveFields(*key, kDesktopFields, s.Desktop(n));
        }
    }
}

}  // namespace vesk::engine
