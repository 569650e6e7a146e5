#include "platform/win32/user_input_hold.h"

#include "platform/hotkeys.h"

namespace vesk::platform::win32 {
namespace {

// Hook procedures get no context argument. Set and cleared only by UserInputHold.
thread_local UserInputHold* t_hold = nullptr;

// Mouse buttons share the key space above the virtual keys.
constexpr DWORD kButtonBase = 0x10000;

}  // namespace

UserInputHold::UserInputHold(const StopChord& stop) {
    if (stop.virtualKey == 0 || t_hold != nullptr) return;
    stopKeys_.insert(static_cast<DWORD>(stop.virtualKey));
    // Low-level hooks report the left and right keys, hotkeys match either.
    if (stop.modifiers & kModCtrl) stopKeys_.insert({VK_CONTROL, VK_LCONTROL, VK_RCONTROL});
    if (stop.modifiers & kModAlt) stopKeys_.insert({VK_MENU, VK_LMENU, VK_RMENU});
    t_hold = this;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    keyboard_.reset(SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, module, 0));
    mouse_.reset(SetWindowsHookExW(WH_MOUSE_LL, MouseProc, module, 0));
}

UserInputHold::~UserInputHold() {
    keyboard_.reset();
    mouse_.reset();
    if (t_hold == this) t_hold = nullptr;
}

bool UserInputHold::Drops(DWORD key, bool press, bool release) {
    if (press) {
        dropped_.insert(key);
        return true;
    }
    if (release) return dropped_.erase(key) != 0;
    return true;  // moves and wheel turns
}

LRESULT CALLBACK UserInputHold::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && t_hold != nullptr) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool release = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
        if (key.dwExtraInfo != kPlaybackInputTag && t_hold->stopKeys_.count(key.vkCode) == 0 &&
            t_hold->Drops(key.vkCode, !release, release)) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK UserInputHold::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && t_hold != nullptr) {
        const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        // Each button's up message follows its down message.
        const bool press = wParam == WM_LBUTTONDOWN || wParam == WM_RBUTTONDOWN || wParam == WM_MBUTTONDOWN ||
                           wParam == WM_XBUTTONDOWN;
        const bool release = wParam == WM_LBUTTONUP || wParam == WM_RBUTTONUP || wParam == WM_MBUTTONUP ||
                             wParam == WM_XBUTTONUP;
        const DWORD button = kButtonBase + static_cast<DWORD>(release ? wParam - 1 : wParam);
        if (mouse.dwExtraInfo != kPlaybackInputTag && t_hold->Drops(button, press, release)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace vesk::platform::win32
