#include "platform/win32/pressed_input.h"

namespace vesk::platform::win32 {
namespace {

struct ButtonFlags {
    DWORD down;
    DWORD up;
};
constexpr ButtonFlags kButtons[] = {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                    {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                                    {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP}};

}  // namespace

void PressedInput::Note(const INPUT& input) {
    if (input.type == INPUT_KEYBOARD) {
        if (input.ki.dwFlags & KEYEVENTF_KEYUP) keys_.erase(input.ki.wVk);
        else keys_[input.ki.wVk] = input;
        return;
    }
    if (input.type != INPUT_MOUSE) return;
    for (const ButtonFlags& button : kButtons) {
        if (input.mi.dwFlags & button.down) buttons_ |= button.down;
        if (input.mi.dwFlags & button.up) buttons_ &= ~button.down;
    }
}

std::vector<INPUT> PressedInput::Releases() const {
    std::vector<INPUT> releases;
    for (const auto& [key, press] : keys_) {
        INPUT release = press;
        release.ki.dwFlags |= KEYEVENTF_KEYUP;
        release.ki.time = 0;
        releases.push_back(release);
    }
    if (buttons_ != 0) {
        INPUT release{};
        release.type = INPUT_MOUSE;
        for (const ButtonFlags& button : kButtons) {
            if (buttons_ & button.down) release.mi.dwFlags |= button.up;
        }
        releases.push_back(release);
    }
    return releases;
}

}  // namespace vesk::platform::win32
