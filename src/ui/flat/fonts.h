#pragma once
#include "platform/win32/windows_api.h"

#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

// A face by name, of normal weight. height is in LOGFONT units: negative for
// the characters' height in pixels, positive for the cell's.
LOGFONTW NamedFace(const wchar_t* name, LONG height, BYTE pitchAndFamily = DEFAULT_PITCH);

// The LOGFONT height of text `points` high on the screen.
LONG PointsHigh(int points);

// The font of the face; empty when GDI refuses it.
ScopedFont MakeFont(const LOGFONTW& face);

}  // namespace vesk::ui::flat
