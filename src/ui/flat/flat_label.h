#pragma once
#include <string>

#include "ui/flat/colors.h"
#include "ui/flat/flat_control.h"

namespace vesk::ui::flat {

// Static text over the dialog's white: word-wrapped, '&' shown as is, the
// lines that do not fit cut off; the mouse passes through it.
class TFlatLabel : public FlatControl {
public:
    TFlatLabel(HWND parent, const std::wstring& text, const Bounds& bounds, COLORREF color = ColorText,
               int id = 0);

    // The font stays the caller's; null returns to the parent's.
    void SetFont(HFONT font);

protected:
    HBRUSH ControlColor(HDC dc) override;

private:
    COLORREF color_;
};

}  // namespace vesk::ui::flat
