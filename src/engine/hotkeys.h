#pragma once
#include <array>
#include <string>
#include <vector>

#include "engine/control_desktop.h"
#include "platform/hotkeys.h"

namespace vesk::engine {

// Hotkey ids: desktop n is entered by n, gets the foreground window moved to
// it by n + 10 and copied to it by n + 20.
inline constexpr int kFirstHotkeyId = 1;
inline constexpr int kLastHotkeyId = 31;
inline constexpr int kMainWindowHotkey = 10;
inline constexpr int kSettingsHotkey = 20;
inline constexpr int kRecordHotkey = 30;
inline constexpr int kPlayHotkey = 31;
inline constexpr int kMoveHotkeyBase = 10;
inline constexpr int kCopyHotkeyBase = 20;

using platform::kModAlt;
using platform::kModCtrl;
inline constexpr int kModCtrlAlt = kModCtrl | kModAlt;

// A modifier (1 Alt, 2 Ctrl, 3 Ctrl+Alt) and a virtual key.
struct HotkeyCode {
    std::int32_t modifier = 0;
    std::int32_t key = 0;
    bool operator==(const HotkeyCode&) const = default;
};

// The hotkeys to register: the nine desktop keys and the four command pairs.
struct HotkeySet {
    std::array<std::int32_t, kDesktopCount> desktopKeys{};
    HotkeyCode mainWindow, settings, record, play;
};

HotkeySet LiveHotkeys(const TControlDesktop& state);

// Group names, in the order of TControlDesktop::HotkeyConflicts.
inline constexpr std::array<const char*, kHotkeyGroupCount> kHotkeyGroups = {
    "Enter Desktop", "Main Window", "Setting Window", "Record", "Play"};
inline constexpr std::size_t kPlayHotkeyGroup = 4;

// Registers ids 1 to 31 for the window; fills ConflictText and
// HotkeyConflicts. True when every registration succeeded. Nothing is rolled
// back on a conflict.
bool RegisterHotkeySet(TControlDesktop& state, platform::Hotkeys& hotkeys, WindowHandle window,
                       const HotkeySet& set);
bool RegisterHotkeys(TControlDesktop& state, platform::Hotkeys& hotkeys, WindowHandle window);
void UnregisterHotkeys(platform::Hotkeys& hotkeys, WindowHandle window);

// "Ctrl+", "Ctrl+Alt+" or "Alt+"; empty for anything else.
std::string ModifierText(std::int32_t modifier);

// The keys offered for each kind of hotkey, with their display texts.
struct KeyChoice {
    std::int32_t key;
    const char* text;
};
const std::vector<KeyChoice>& MainWindowKeys();
const std::vector<KeyChoice>& SettingsKeys();
const std::vector<KeyChoice>& RecordPlayKeys();

// The ten entries of a command list: the five keys with Ctrl, then with
// Ctrl+Alt. The main-window list keeps its historic "Ctrl+Alt+Inert".
std::vector<std::string> CommandHotkeyList(const std::vector<KeyChoice>& keys, bool mainWindowList);
// Entry index of a command hotkey in its list, or -1 when not offered.
int CommandHotkeyIndex(const std::vector<KeyChoice>& keys, HotkeyCode code);
HotkeyCode CommandHotkeyAt(const std::vector<KeyChoice>& keys, int index);

// The 44 desktop keys: Ctrl+A..Z, Ctrl+NUMPAD1..9, Ctrl+F1..9.
inline constexpr int kDesktopKeyCount = 44;
std::vector<std::string> DesktopHotkeyList();
std::int32_t DesktopKeyAt(int index);
int DesktopKeyIndex(std::int32_t key);
// The desktop key as shown for entering ("Ctrl+"), moving ("Ctrl+Alt+") or
// copying ("Alt+").
std::string DesktopKeyText(std::int32_t key);

std::string HotkeyText(HotkeyCode code, const std::vector<KeyChoice>& keys);

}  // namespace vesk::engine
