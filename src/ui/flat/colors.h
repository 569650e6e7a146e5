#pragma once
#include "platform/win32/windows_api.h"

namespace vesk::ui::flat {

// The flat look: a one-pixel border and three fills.
inline constexpr COLORREF ColorBorder = RGB(160, 150, 131);
inline constexpr COLORREF ColorFocused = RGB(235, 234, 225);  // under the mouse
inline constexpr COLORREF ColorDown = RGB(217, 214, 197);     // pressed, or a chosen item
inline constexpr COLORREF ColorFace = RGB(255, 255, 255);     // at rest
inline constexpr COLORREF ColorText = RGB(0, 0, 0);
inline constexpr COLORREF ColorDisabledText = ColorBorder;

}  // namespace vesk::ui::flat
