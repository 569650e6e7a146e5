#pragma once
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"
#include "platform/types.h"

namespace vesk::engine {

using platform::WindowHandle;

inline constexpr int kDesktopCount = 9;

// Desktop n, counted from 1, of an array of kDesktopCount desktops.
template <class Desktops>
auto& NthDesktop(Desktops& desktops, int n) {
    assert(n >= 1 && n <= kDesktopCount);
    return desktops[static_cast<std::size_t>(n - 1)];
}

// When this program last asked the system to hide or to show windows of a
// desktop. Another program's window follows such a request only when its
// thread next runs: at once, seconds later for a busy program, not at all
// while it hangs. The serial orders requests made in the same millisecond.
struct WindowRequest {
    std::uint64_t serial = 0;  // 0: never asked
    std::uint64_t at = 0;      // clock milliseconds
};

// The longest desktop name, in characters (not bytes).
inline constexpr std::size_t kLongestDesktopName = 32;

// One desktop's settings, kept under its Desktop1..Desktop9 key.
// Bits of DesktopSettings::Forwhat: when a desktop asks for its password.
inline constexpr std::uint8_t kPasswordOnEnter = 1;
inline constexpr std::uint8_t kPasswordOnLeave = 2;

struct DesktopSettings {
    std::int32_t DesktopHotMod = 2;  // always Ctrl; not in the registry
    std::int32_t DesktopHot = 0;     // virtual-key code
    bool ProgWnd = true;             // desktop icons shown on this desktop
    bool TrayWnd = true;             // taskbar shown on this desktop
    std::string Wallpaper;           // full path; empty for none
    std::uint8_t TileWall = 0;       // 0 centre, 1 stretch, 2 tile
    bool Volume = true;              // sound on while current
    std::string Password;            // plain text; empty for none
    std::uint8_t Forwhat = 0;        // kPasswordOnEnter and kPasswordOnLeave bits
    std::string Name;                // UTF-8, at most kLongestDesktopName characters; empty: unnamed
    bool operator==(const DesktopSettings&) const = default;
};

struct DesktopRecord : DesktopSettings {
    // Top-level windows that belong to the desktop, in enumeration order; may
    // hold handles of windows that are gone.
    std::vector<WindowHandle> WindowList;
    WindowHandle FocusWindow = platform::kNoWindow;
    WindowRequest Hidden;  // its windows hidden, for it
    WindowRequest Shown;   // its windows shown, on entering it
};

// The program-wide settings, kept under the Common key.
struct CommonSettings {
    bool AutoRun = true;
    bool UseControlPassword = true;
    bool ExitMainWindow = true;
    std::string ControlPassword;
    std::string SettingPassword;
    bool ShowHelp = true;
    bool RecordHint = true;
    bool ShowIcon = true;
    bool TrayNumber = true;  // the tray icon shows the current desktop's number
    std::int32_t ControlHot1 = 2, ControlHot2 = 121;
    std::int32_t Setting1 = 2, Setting2 = 122;
    std::int32_t Record1 = 2, Record2 = 123;
    std::int32_t Play1 = 3, Play2 = 123;
    std::int64_t MaxSize = 2048;  // record-file limit, kilobytes
    bool operator==(const CommonSettings&) const = default;
};

// Every stored setting as one value: what the settings dialog edits, and
// what "the settings did not change" compares.
struct StoredSettings : CommonSettings {
    std::array<DesktopSettings, kDesktopCount> Desktops;
    DesktopSettings& Desktop(int n) { return NthDesktop(Desktops, n); }
    const DesktopSettings& Desktop(int n) const { return NthDesktop(Desktops, n); }
    bool operator==(const StoredSettings&) const = default;
};

inline constexpr int kHotkeyGroupCount = 5;

// The program-wide engine state; one instance for the whole run.
struct TControlDesktop : CommonSettings {
    std::array<DesktopRecord, kDesktopCount> Desktops;
    DesktopRecord& Desktop(int n) { return NthDesktop(Desktops, n); }
    const DesktopRecord& Desktop(int n) const { return NthDesktop(Desktops, n); }

    bool HotkeyGate = true;
    std::uint64_t LastRequestSerial = 0;
    // Windows hidden one at a time for another desktop (the move hotkeys).
    std::vector<std::pair<WindowHandle, WindowRequest>> HiddenSingly;
    std::int32_t DesktopNum = kDesktopCount;  // written only, always 9

    // Run-time state.
    std::array<bool, kHotkeyGroupCount> HotkeyConflicts{};
    std::string ConflictText;
    std::int32_t CurrentDesktop = 1;
    std::string StartWallpaper;
    std::uint8_t StartWallStyle = 0;
    std::string WindowsDir;  // with a trailing backslash
    std::string OsName;
    WindowHandle MainWindowHandle = platform::kNoWindow;
    WindowHandle AppWindowHandle = platform::kNoWindow;
    std::string ProgramDir;  // with a trailing backslash
    WindowHandle DesktopIconsWindow = platform::kNoWindow;
    WindowHandle TaskbarWindow = platform::kNoWindow;
    // Read at its first use (StartVolumeOf), not while the program starts.
    std::optional<std::uint32_t> StartVolume;
    std::vector<WindowHandle> AllWindows;

    // The stored settings of the record and of its desktops, taken out or
    // put back as one value.
    StoredSettings Stored() const {
        StoredSettings stored;
        static_cast<CommonSettings&>(stored) = *this;
        for (int n = 1; n <= kDesktopCount; ++n) stored.Desktop(n) = Desktop(n);
        return stored;
    }
    void SetStored(const StoredSettings& stored) {
        static_cast<CommonSettings&>(*this) = stored;
        for (int n = 1; n <= kDesktopCount; ++n) static_cast<DesktopSettings&>(Desktop(n)) = stored.Desktop(n);
    }
};

// Fills the whole record from the registry (the user's copy of the settings
// when there is one, else the machine's), writing every absent value's
// default back at once. Keys that cannot be created leave the defaults.
void LoadSettings(TControlDesktop& state, platform::Services& system);

// Writes the stored settings and the autostart entry (exePath when AutoRun is
// on, an empty string otherwise): under HKEY_LOCAL_MACHINE, or where that is
// refused, under HKEY_CURRENT_USER.
void SaveSettings(const TControlDesktop& state, platform::Registry& registry,
                  const std::string& exePath);

}  // namespace vesk::engine
