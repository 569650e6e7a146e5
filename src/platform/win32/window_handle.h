#pragma once
#include "platform/win32/windows_api.h"

#include "platform/types.h"

namespace vesk::platform::win32 {

// WindowHandle carries the HWND value unchanged.
inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }

}  // namespace vesk::platform::win32
