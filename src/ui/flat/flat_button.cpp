#include "ui/flat/flat_button.h"

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"

namespace vesk::ui::flat {

TFlatButton::TFlatButton(HWND parent, const std::wstring& caption, const Bounds& bounds, int id,
                         bool tabStop)
    : FlatControl(parent, L"BUTTON", caption,
                  WS_VISIBLE | BS_OWNERDRAW | (tabStop ? WS_TABSTOP : 0), 0, bounds, id,
                  L"TFlatButton") {}

LRESULT TFlatButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // IsDialogMessage only presses buttons that call themselves default;
        // a focused flat button takes Enter itself instead.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = Default(message, wParam, lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return code | DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            SendMessageW(hwnd(), BM_CLICK, 0, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

void TFlatButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillSolid(dc, area, pressed ? ColorDown : Hovered() ? ColorFocused : ColorFace);
    FrameSolid(dc, area, ColorBorder, BorderWidth(Scale()));

    // Mnemonics stay underlined even where the system hides them until Alt
    // is pressed: the dialogs are small and keyboard-driven.
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    RECT text = area;
    if (pressed) OffsetRect(&text, Scale().Px(1), Scale().Px(1));
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    DrawCaption(dc, Font(), Text(), text, format, enabled ? ColorText : ColorDisabledText);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        InflateRect(&area, -Scale().Px(3), -Scale().Px(3));
        SetTextColor(dc, ColorText);
        SetBkColor(dc, ColorFace);
        DrawFocusRect(dc, &area);
    }
}

void TFlatButton::Notified(UINT code) {
    // An owner-drawn button reports the second of two quick clicks as
    // BN_DOUBLECLICKED only; for a push button it is a click like the first.
    if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && OnClick) OnClick();
}

}  // namespace vesk::ui::flat
