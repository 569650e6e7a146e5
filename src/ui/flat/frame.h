#pragma once
#include "platform/win32/windows_api.h"

namespace vesk::ui::flat {

// From WM_NCPAINT, after the default painting: draws a border `thickness`
// pixels wide in ColorBorder at the window's edge (over the system's one of
// WS_BORDER), and fills whatever lies between it and the client area with
// `padding`, unless that is CLR_INVALID (scroll bars live there).
void PaintFlatFrame(HWND control, COLORREF padding, int thickness);

// The height of a line of text in the font, in display pixels.
int LineHeight(HWND control, HFONT font);

}  // namespace vesk::ui::flat
