#pragma once
#include "platform/win32/windows_api.h"

#include <map>
#include <vector>

namespace vesk::platform::win32 {

// The keys and mouse buttons that injected input pressed and has not
// released, so that a playback stopped early, or a recording that ends with
// a key down, never leaves a key held for the user.
class PressedInput {
public:
    void Note(const INPUT& input);
    // One release per key held and one for the buttons, in no set order.
    std::vector<INPUT> Releases() const;

private:
    std::map<WORD, INPUT> keys_;  // by virtual key: the press, released with its scan code and flags
    DWORD buttons_ = 0;           // MOUSEEVENTF_*DOWN flags
};

}  // namespace vesk::platform::win32
