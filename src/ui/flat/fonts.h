#pragma once
#include "platform/win32/windows_api.h"

#include "platform/display_scale.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

// A face by name, of normal weight. height is in LOGFONT units: negative for
// the characters' height in pixels, positive for the cell's.
LOGFONTW NamedFace(const wchar_t* name, LONG height, BYTE pitchAndFamily = DEFAULT_PITCH);

// The LOGFONT height of text `points` high at the scale.
LONG PointsHigh(int points, platform::DisplayScale scale);
// The same at the system's scale, for windows that do not follow their
// monitor's.
LONG PointsHigh(int points);

// A LOGFONT height given in 96-DPI reference pixels (either sign) at the
// scale.
LONG PixelsHigh(LONG referenceHeight, platform::DisplayScale scale);

// The font of the face; empty when GDI refuses it.
ScopedFont MakeFont(const LOGFONTW& face);

}  // namespace vesk::ui::flat
