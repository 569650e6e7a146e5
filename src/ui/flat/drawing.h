#pragma once
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/display_scale.h"

namespace vesk::ui::flat {

enum class Glyph { None, Close, ArrowUp, ArrowDown, Check };

// Fills with a colour without a brush object.
void FillSolid(HDC dc, const RECT& area, COLORREF color);
// A frame `thickness` pixels wide just inside the rectangle.
void FrameSolid(HDC dc, const RECT& area, COLORREF color, int thickness);
// The width of a flat border at the scale: one reference pixel.
inline int BorderWidth(platform::DisplayScale scale) { return scale.Px(1); }
// A small glyph, centred in the box, its pixels grown to the scale.
void DrawGlyph(HDC dc, const RECT& box, Glyph glyph, COLORREF color, platform::DisplayScale scale);
// The square of a check box or check-list item, with its tick when checked.
void DrawCheckSquare(HDC dc, const RECT& square, bool checked, COLORREF fill, COLORREF tick,
                     platform::DisplayScale scale);
// Text in the control's font, transparent over what is already drawn;
// format as for DrawTextW.
void DrawCaption(HDC dc, HFONT font, const std::wstring& text, RECT area, UINT format,
                 COLORREF color);
// The size of one line of text as DrawCaption draws it (prefixes applied).
SIZE MeasureCaption(HDC dc, HFONT font, const std::wstring& text);

}  // namespace vesk::ui::flat
