#pragma once
#include "platform/hotkeys.h"

namespace vesk::platform::win32 {

// System-wide hotkeys delivered as WM_HOTKEY to the given window, which must
// belong to the calling thread. The modifier bits equal MOD_ALT/MOD_CONTROL.
class Win32Hotkeys final : public Hotkeys {
public:
    bool Register(WindowHandle window, int id, int modifiers, int virtualKey) override;
    void Unregister(WindowHandle window, int id) override;
};

}  // namespace vesk::platform::win32
