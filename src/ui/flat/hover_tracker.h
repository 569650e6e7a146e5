#pragma once
#include "platform/win32/windows_api.h"

namespace vesk::ui::flat {

// Sent to a control when the pointer comes onto it (wParam TRUE) or leaves
// it (FALSE).
inline constexpr UINT kHoverChanged = WM_USER + 0x1BF0;

// The pointer is over `control`, a control of the given kind ("FlatButton",
// ...). One 100 ms timer per kind and thread then watches it until the
// pointer leaves, and tells the control both changes; another control of the
// same kind taking the pointer ends the first one's hover at once.
void NoteMouseOver(HWND control, const wchar_t* kind);
// The control is going away; its kind's timer stops watching it.
void ForgetHover(HWND control, const wchar_t* kind);

}  // namespace vesk::ui::flat
