#include "platform/win32/win32_hotkeys.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/window_handle.h"

namespace vesk::platform::win32 {

static_assert(kModAlt == MOD_ALT && kModCtrl == MOD_CONTROL);

bool Win32Hotkeys::Register(WindowHandle window, int id, int modifiers, int virtualKey) {
    return RegisterHotKey(ToHwnd(window), id, static_cast<UINT>(modifiers),
                          static_cast<UINT>(virtualKey)) != FALSE;
}

void Win32Hotkeys::Unregister(WindowHandle window, int id) { UnregisterHotKey(ToHwnd(window), id); }

}  // namespace vesk::platform::win32
