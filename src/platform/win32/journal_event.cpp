#include "platform/win32/journal_event.h"

#include <algorithm>
#include <cstdint>

namespace vesk::platform::win32 {
namespace {

constexpr std::uint32_t kExtendedKeyBit = 0x8000;

std::uint32_t HandleBits(HWND window) {
    // Window handles carry 32 significant bits on every Windows.
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

// Absolute SendInput coordinates run from 0 to 65535 across the virtual
// screen; the system maps them back with pixel = left + value * width / 65536.
// Rounding up here makes that land on the very pixel recorded.
LONG Normalize(std::int32_t pixel, LONG origin, LONG extent) {
    if (extent <= 0) return 0;
    const std::int64_t offset = std::int64_t{pixel} - origin;
    const std::int64_t value = (offset * 65536 + extent - 1) / extent;
    return static_cast<LONG>(std::clamp<std::int64_t>(value, 0, 65535));
}

std::optional<DWORD> MouseButtonFlags(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        return 0;
    case WM_LBUTTONDOWN: return MOUSEEVENTF_LEFTDOWN;
    case WM_LBUTTONUP: return MOUSEEVENTF_LEFTUP;
    case WM_RBUTTONDOWN: return MOUSEEVENTF_RIGHTDOWN;
    case WM_RBUTTONUP: return MOUSEEVENTF_RIGHTUP;
    case WM_MBUTTONDOWN: return MOUSEEVENTF_MIDDLEDOWN;
    case WM_MBUTTONUP: return MOUSEEVENTF_MIDDLEUP;
    default: return std::nullopt;
    }
}

}  // namespace

JournalEvent FromKeyboardHook(WPARAM message, const KBDLLHOOKSTRUCT& key, HWND foreground) {
    JournalEvent event;
    event.message = static_cast<std::uint32_t>(message);
    event.paramL = (key.vkCode & 0xFF) | ((key.scanCode & 0xFF) << 8);
    event.paramH = 1 | ((key.flags & LLKHF_EXTENDED) ? kExtendedKeyBit : 0);
    event.time = key.time;
    event.hwnd = HandleBits(foreground);
    return event;
}

JournalEvent FromMouseHook(WPARAM message, const MSLLHOOKSTRUCT& mouse, HWND foreground) {
    JournalEvent event;
    event.message = static_cast<std::uint32_t>(message);
    event.paramL = static_cast<std::uint32_t>(mouse.pt.x);
    event.paramH = static_cast<std::uint32_t>(mouse.pt.y);
    event.time = mouse.time;
    event.hwnd = HandleBits(foreground);
    return event;
}

std::optional<INPUT> ToInput(const JournalEvent& event, const RECT& virtualScreen) {
    INPUT input{};
    switch (event.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const bool up = event.message == WM_KEYUP || event.message == WM_SYSKEYUP;
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(event.paramL & 0xFF);
        input.ki.wScan = static_cast<WORD>((event.paramL >> 8) & 0xFF);
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) |
                           ((event.paramH & kExtendedKeyBit) ? KEYEVENTF_EXTENDEDKEY : 0);
        return input;
    }
    default:
        break;
    }
    const std::optional<DWORD> buttons = MouseButtonFlags(event.message);
    if (!buttons) return std::nullopt;
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalize(static_cast<std::int32_t>(event.paramL), virtualScreen.left,
                            virtualScreen.right - virtualScreen.left);
    input.mi.dy = Normalize(static_cast<std::int32_t>(event.paramH), virtualScreen.top,
                            virtualScreen.bottom - virtualScreen.top);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | *buttons;
    return input;
}

}  // namespace vesk::platform::win32
