#include "ui/flat/flat_check_box.h"

#include <algorithm>

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"

namespace vesk::ui::flat {

namespace {
constexpr int kSquare = 11;  // 96-DPI reference pixels
constexpr int kGap = 4;      // 96-DPI reference pixels between square and caption
}  // namespace

int TFlatCheckBox::CaptionLeft(platform::DisplayScale scale) { return scale.Px(kSquare + kGap); }

TFlatCheckBox::TFlatCheckBox(HWND parent, const std::wstring& caption, const Bounds& bounds, int id)
    : FlatControl(parent, L"BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, bounds, id,
                  L"TFlatCheckBox") {}

void TFlatCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT TFlatCheckBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return checked_ ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
        SetChecked(wParam == BST_CHECKED);
        return 0;
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

void TFlatCheckBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const RECT area = item.rcItem;
    FillSolid(dc, area, ColorFace);

    const int side = Scale().Px(kSquare);
    const int top = area.top + (area.bottom - area.top - side) / 2;
    const RECT square{area.left, top, area.left + side, top + side};
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    DrawCheckSquare(dc, square, checked_, pressed ? ColorDown : Hovered() ? ColorFocused : ColorFace,
                    enabled ? ColorText : ColorDisabledText, Scale());

    const std::wstring caption = Text();
    RECT text{area.left + CaptionLeft(Scale()), area.top, area.right, area.bottom};
    DrawCaption(dc, Font(), caption, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                enabled ? ColorText : ColorDisabledText);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        const SIZE measured = MeasureCaption(dc, Font(), caption);
        const RECT focus{text.left - 1, area.top,
                         std::min<LONG>(text.left + measured.cx + 1, area.right), area.bottom};
        SetTextColor(dc, ColorText);
        SetBkColor(dc, ColorFace);
        DrawFocusRect(dc, &focus);
    }
}

void TFlatCheckBox::Notified(UINT code) {
    // An owner-drawn button reports the second click of a double click as
    // BN_DOUBLECLICKED; for a check box it is a click like the first.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
    SetChecked(!checked_);
    if (OnClick) OnClick();
}

}  // namespace vesk::ui::flat
