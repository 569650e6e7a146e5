#include "engine/hotkeys.h"

namespace vesk::engine {
namespace {

bool Register(platform::Hotkeys& hotkeys, WindowHandle window, int id, HotkeyCode code) {
    return hotkeys.Register(window, id, code.modifier, code.key);
}

}  // namespace

HotkeySet LiveHotkeys(const TControlDesktop& s) {
    HotkeySet set;
    for (int n = 1; n <= kDesktopCount; ++n) set.desktopKeys[n - 1] = s.Desktop(n).DesktopHot;
    set.mainWindow = {s.ControlHot1, s.ControlHot2};
    set.settings = {s.Setting1, s.Setting2};
    set.record = {s.Record1, s.Record2};
    set.play = {s.Play1, s.Play2};
    return set;
}

bool RegisterHotkeySet(TControlDesktop& state, platform::Hotkeys& hotkeys, WindowHandle window,
                       const HotkeySet& set) {
    std::string message;
    for (int n = 1; n <= kDesktopCount; ++n) {
        const std::int32_t key = set.desktopKeys[n - 1];
        // All three are tried even after a failure; one line per desktop.
        const bool enter = Register(hotkeys, window, n, {kModCtrl, key});
        const bool move = Register(hotkeys, window, n + kMoveHotkeyBase, {kModCtrlAlt, key});
        const bool copy = Register(hotkeys, window, n + kCopyHotkeyBase, {kModAlt, key});
        if (!enter || !move || !copy) message += "Enter Desktop " + std::to_string(n) + " HotKey Conflict\r\n";
    }
    if (!Register(hotkeys, window, kMainWindowHotkey, set.mainWindow)) message += "Main Window HotKey Conflict\r\n";
    if (!Register(hotkeys, window, kSettingsHotkey, set.settings)) message += "Setting Window HotKey Conflict\r\n";
    if (!Register(hotkeys, window, kRecordHotkey, set.record)) message += "Record HotKey Conflict\r\n";
    if (!Register(hotkeys, window, kPlayHotkey, set.play)) message += "Play HotKey Conflict\r\n";
    state.ConflictText = message;
    for (std::size_t g = 0; g < kHotkeyGroups.size(); ++g) {
        state.HotkeyConflicts[g] = message.find(kHotkeyGroups[g]) != std::string::npos;
    }
    return message.empty();
}

bool RegisterHotkeys(TControlDesktop& state, platform::Hotkeys& hotkeys, WindowHandle window) {
    return RegisterHotkeySet(state, hotkeys, window, LiveHotkeys(state));
}

void UnregisterHotkeys(platform::Hotkeys& hotkeys, WindowHandle window) {
    for (int id = kFirstHotkeyId; id <= kLastHotkeyId; ++id) hotkeys.Unregister(window, id);
}

std::string ModifierText(std::int32_t modifier) {
    switch (modifier) {
        case kModCtrl: return "Ctrl+";
        case kModCtrlAlt: return "Ctrl+Alt+";
        case kModAlt: return "Alt+";
        default: return {};
    }
}

const std::vector<KeyChoice>& MainWindowKeys() {
    static const std::vector<KeyChoice> keys = {{121, "F10"}, {45, "Insert"}, {46, "Delete"}, {8, "Back"}, {96, "0"}};
    return keys;
}

const std::vector<KeyChoice>& SettingsKeys() {
    static const std::vector<KeyChoice> keys = {{122, "F11"}, {145, "Scroll"}, {36, "Home"}, {35, "End"}, {109, "Subtract"}};
    return keys;
}

const std::vector<KeyChoice>& RecordPlayKeys() {
    static const std::vector<KeyChoice> keys = {{123, "F12"}, {19, "Pause"}, {33, "PageUp"}, {34, "PageDown"}, {107, "Add"}};
    return keys;
}

std::vector<std::string> CommandHotkeyList(const std::vector<KeyChoice>& keys, bool mainWindowList) {
    std::vector<std::string> list;
    for (const auto& k : keys) list.push_back(ModifierText(kModCtrl) + k.text);
    for (const auto& k : keys) list.push_back(ModifierText(kModCtrlAlt) + k.text);
    if (mainWindowList) list[6] = "Ctrl+Alt+Inert";
    return list;
}

int CommandHotkeyIndex(const std::vector<KeyChoice>& keys, HotkeyCode code) {
    const int half = static_cast<int>(keys.size());
    const int base = code.modifier == kModCtrl ? 0 : code.modifier == kModCtrlAlt ? half : -1;
    if (base < 0) return -1;
    for (int i = 0; i < half; ++i) {
        if (keys[i].key == code.key) return base + i;
    }
    return -1;
}

HotkeyCode CommandHotkeyAt(const std::vector<KeyChoice>& keys, int index) {
    const int half = static_cast<int>(keys.size());
    return {index < half ? kModCtrl : kModCtrlAlt, keys[index % half].key};
}

std::int32_t DesktopKeyAt(int index) {
    if (index <= 25) return index + 65;  // A..Z
    if (index <= 34) return index + 71;  // NUMPAD1..9
    return index + 77;                   // F1..F9
}

int DesktopKeyIndex(std::int32_t key) {
    if (key < 97) return key - 65;
    if (key < 112) return key - 71;
    return key - 77;
}

std::string DesktopKeyText(std::int32_t key) {
    if (key >= 65 && key <= 90) return std::string(1, char(key));
    if (key >= 97 && key <= 105) return "NUMPAD" + std::to_string(key - 96);
    if (key >= 112 && key <= 120) return "F" + std::to_string(key - 111);
    return "#" + std::to_string(key);
}

std::vector<std::string> DesktopHotkeyList() {
    std::vector<std::string> list;
    for (int i = 0; i < kDesktopKeyCount; ++i) list.push_back("Ctrl+" + DesktopKeyText(DesktopKeyAt(i)));
    return list;
}

std::string HotkeyText(HotkeyCode code, const std::vector<KeyChoice>& keys) {
    for (const auto& k : keys) {
        if (k.key == code.key) return ModifierText(code.modifier) + k.text;
    }
    return ModifierText(code.modifier) + DesktopKeyText(code.key);
}

}  // namespace vesk::engine
