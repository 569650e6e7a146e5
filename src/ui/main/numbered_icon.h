#pragma once
#include "platform/win32/windows_api.h"

#include "platform/win32/scoped_handles.h"

namespace vesk::ui {

// The program's icon, `size` pixels square, with `number` (1-9) in a badge
// over its lower right part: bold white on dark blue, as tall as the badge
// allows, so that it reads at 16 x 16 too. Empty when GDI refuses.
platform::win32::ScopedIcon NumberedIcon(HINSTANCE instance, int iconId, int number, int size);

}  // namespace vesk::ui
