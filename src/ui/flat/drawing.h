#pragma once
#include "platform/win32/windows_api.h"

#include <string>

namespace vesk::ui::flat {

enum class Glyph { None, Close, ArrowUp, ArrowDown, Check };

// Fills with a colour without a brush object.
void FillSolid(HDC dc, const RECT& area, COLORREF color);
// A one-pixel frame just inside the rectangle.
void FrameSolid(HDC dc, const RECT& area, COLORREF color);
// A small glyph, centred in the box.
void DrawGlyph(HDC dc, const RECT& box, Glyph glyph, COLORREF color);
// The square of a check box or check-list item, with its tick when checked.
void DrawCheckSquare(HDC dc, const RECT& square, bool checked, COLORREF fill, COLORREF tick);
// Text in the control's font, transparent over what is already drawn;
// format as for DrawTextW.
void DrawCaption(HDC dc, HFONT font, const std::wstring& text, RECT area, UINT format,
                 COLORREF color);
// The size of one line of text as DrawCaption draws it (prefixes applied).
SIZE MeasureCaption(HDC dc, HFONT font, const std::wstring& text);

}  // namespace vesk::ui::flat
