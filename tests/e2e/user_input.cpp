#include "user_input.h"

#include <iterator>
#include <vector>

namespace vesk::e2e {
namespace {

// Wine hands injected input to the X server in order; a short pause between
// events keeps key-down and key-up from arriving in one batch, which some
// dialogs' edit controls lose.
constexpr DWORD kEventGapMs = 20;
constexpr DWORD kFocusSettleMs = 500;
constexpr DWORD kFocusTimeoutMs = 5000;
constexpr DWORD kPointerSettleMs = 300;
constexpr DWORD kPointerTimeoutMs = 3000;
constexpr DWORD kPollMs = 10;

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
    Sleep(kEventGapMs);
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute positions run from 0 to 65535 across the primary screen.
INPUT MouseAt(DWORD flags, POINT screen) {
    return Mouse(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                 MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1),
                 MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1));
}

// The button events carry the position too: one sent alone would land
// wherever Wine's late report of an older position has put the pointer.
void PressMouseButton(POINT screen, WORD button, bool down) {
    const DWORD flags = button == VK_LBUTTON ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                                             : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
    Send(MouseAt(flags, screen));
}

}  // namespace

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    for (WORD modifier : modifiers) Send(Key(modifier, false));
    Send(Key(key, false));
    Send(Key(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) Send(Key(*it, true));
}

void PressKeyAtOnce(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) inputs.push_back(Key(modifier, false));
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) inputs.push_back(Key(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        Send(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        Send(input);
    }
}

void MoveMouseTo(POINT screen) {
    Send(MouseAt(0, screen));
    // Wine moves the X pointer after the injected move and then reports the
    // old position once more before the new one. Moves that follow wait for
    // the pointer to have stayed at the target for a while.
    DWORD steady = 0;
    for (DWORD waited = 0; waited < kPointerTimeoutMs && steady < kPointerSettleMs; waited += kPollMs) {
        POINT at{};
        GetCursorPos(&at);
        steady = (at.x == screen.x && at.y == screen.y) ? steady + kPollMs : 0;
        Sleep(kPollMs);
    }
}

void ClickAt(POINT screen, WORD button) {
    MoveMouseTo(screen);
    PressMouseButton(screen, button, true);
    PressMouseButton(screen, button, false);
}

void WaitForFocus(HWND window) {
    for (DWORD waited = 0; GetForegroundWindow() != window && waited < kFocusTimeoutMs; waited += 50) Sleep(50);
    Sleep(kFocusSettleMs);
}

}  // namespace vesk::e2e
