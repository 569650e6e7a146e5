#include <concepts>
#include <memory>
#include <variant>

#include "engine/appearance.h"
#include "engine/control_desktop.h"
#include "engine/desktop_names.h"
#include "engine/registry_names.h"
#include "engine/system_actions.h"

namespace vesk::engine {
namespace {

using platform::Registry;
using platform::RegistryKey;
using platform::RegistryRoot;

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
    {"TrayNumber", &CommonSettings::TrayNumber},
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
    {"Name", &DesktopSettings::Name},
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
bool Write(RegistryKey& key, const char* name, Number value) {
    return key.WriteDword(name, static_cast<std::uint32_t>(value));
}
bool Write(RegistryKey& key, const char* name, const std::string& value) { return key.WriteString(name, value); }

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

bool SaveFields(RegistryKey& key, const auto& fields, const auto& settings) {
    bool written = true;
    for (const auto& field : fields) {
        std::visit([&](auto member) { written &= Write(key, field.name, settings.*member); }, field.member);
    }
    return written;
}

// Where the settings are kept. The machine's copy under HKEY_LOCAL_MACHINE
// is shared by every user, but a standard user may not write it, and a 64-bit
// process gets no registry virtualization to cover that up. Such a user keeps
// the whole set, in the same layout, under HKEY_CURRENT_USER.
//
// Which copy wins: the user's copy is read whenever it exists. A save tries
// the machine's copy first; when the whole set goes in there, the user's copy
// is removed, otherwise the whole set goes to the user's copy. So a user who
// gains the rights moves the settings back to the machine at the next exit
// and is left with one copy, and runs with and without the rights (elevated
// or not) in any order always start with what the last run saved.
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

// Only the Common key tells: "Software\Vesk" itself exists for every user
// whose hidden windows were ever noted (the Recovery key).
RegistryRoot SettingsRoot(Registry& registry) {
    return registry.OpenKey(kUser, reg::kCommonKey, false) ? kUser : kMachine;
}

// The parent is opened (and created) once before its subkeys so that a
// fresh machine gets the whole tree even where creating a nested key in one
// go is refused.
void CreateSettingsTree(Registry& registry, RegistryRoot root) { registry.OpenKey(root, reg::kVeskKey, true); }

std::unique_ptr<RegistryKey> OpenSettingsKey(Registry& registry, RegistryRoot root, const std::string& path) {
    return registry.OpenKey(root, path, true);
}

void LoadCommon(CommonSettings& common, Registry& registry, RegistryRoot root) {
    const CommonSettings defaults;
    common = defaults;
    LoadFields(OpenSettingsKey(registry, root, reg::kCommonKey).get(), kCommonFields, defaults, common);
}

void LoadDesktop(TControlDesktop& s, Registry& registry, RegistryRoot root, int n) {
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
    LoadFields(OpenSettingsKey(registry, root, reg::DesktopKey(n)).get(), kDesktopFields, defaults, settings);
    // A name edited in the registry by hand may be longer or hold line breaks.
    settings.Name = LimitedDesktopName(settings.Name);
}

// false at the first key that cannot be created or value that cannot be
// written.
bool SaveSet(const TControlDesktop& s, Registry& registry, RegistryRoot root) {
    CreateSettingsTree(registry, root);
    auto common = OpenSettingsKey(registry, root, reg::kCommonKey);
    if (!common || !Write(*common, reg::kDesktopNum, s.DesktopNum) || !SaveFields(*common, kCommonFields, s)) {
        return false;
    }
    for (int n = 1; n <= s.DesktopNum; ++n) {
        auto key = OpenSettingsKey(registry, root, reg::DesktopKey(n));
        if (!key || !SaveFields(*key, kDesktopFields, s.Desktop(n))) return false;
    }
    return true;
}

// Common goes first: without it the rest no longer counts as a copy, should
// a later key refuse to go. The Recovery key beside them stays.
void RemoveUserCopy(Registry& registry) {
    registry.DeleteKey(kUser, reg::kCommonKey);
    for (int n = 1; n <= kDesktopCount; ++n) registry.DeleteKey(kUser, reg::DesktopKey(n));
}

void EmptyUserRunValue(Registry& registry) {
    auto run = registry.OpenKey(kUser, reg::kRunKey, false);
    if (run && !run->ReadString(reg::kRunValue).value_or("").empty()) run->WriteString(reg::kRunValue, "");
}

// The machine's Run key belongs to the system: opened, never created; the
// user's is the user's own and made when missing. Turning autostart off
// empties a value rather than deleting it. Only one of the two may name the
// program, or it would be started twice at logon.
void SaveAutoRun(Registry& registry, const std::string& command) {
    auto machine = registry.OpenKey(kMachine, reg::kRunKey, false);
    if (machine && machine->WriteString(reg::kRunValue, command)) {
        EmptyUserRunValue(registry);
        return;
    }
    // A machine value that cannot be changed but starts the program already
    // is left to do so.
    const bool machineStarts = machine && !machine->ReadString(reg::kRunValue).value_or("").empty();
    if (auto user = registry.OpenKey(kUser, reg::kRunKey, true)) {
        user->WriteString(reg::kRunValue, machineStarts ? std::string() : command);
    }
}

}  // namespace

void LoadSettings(TControlDesktop& s, platform::Services& system) {
    s.HotkeyGate = true;
    s.OsName = DetectOs(system.power);
    s.DesktopIconsWindow = system.windows.FindByClass("ProgMan");
    s.TaskbarWindow = system.windows.FindByClass("Shell_TrayWnd");
    s.CurrentDesktop = 1;
    const WallpaperSetting wallpaper = ReadSystemWallpaper(system.registry, system.files);
    s.StartWallpaper = wallpaper.path;
    s.StartWallStyle = wallpaper.style;
    s.WindowsDir = ReadWindowsDir(system.files);
    s.DesktopNum = kDesktopCount;
    // Defaults that the machine's copy refuses stay in memory only: the next
    // load would give the same again, and the save at exit puts them into the
    // user's copy with the rest.
    const RegistryRoot root = SettingsRoot(system.registry);
    CreateSettingsTree(system.registry, root);
    LoadCommon(s, system.registry, root);
    for (int n = 1; n <= s.DesktopNum; ++n) LoadDesktop(s, system.registry, root, n);
    s.AllWindows.clear();
}

void SaveSettings(const TControlDesktop& s, platform::Registry& registry, const std::string& exePath) {
    if (SaveSet(s, registry, kMachine)) RemoveUserCopy(registry);
    else SaveSet(s, registry, kUser);
    SaveAutoRun(registry, s.AutoRun ? exePath : std::string());
}

}  // namespace vesk::engine
