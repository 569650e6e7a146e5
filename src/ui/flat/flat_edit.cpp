#include "ui/flat/flat_edit.h"

#include <algorithm>

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"
#include "ui/flat/frame.h"

namespace vesk::ui::flat {

namespace {
constexpr int kTextMargin = 3;  // 96-DPI reference pixels between border and text
}

TFlatEdit::TFlatEdit(HWND parent, const Bounds& bounds, int id, DWORD editStyle)
    : TFlatEdit(parent, bounds, id, editStyle, L"TFlatEdit") {}

TFlatEdit::TFlatEdit(HWND parent, const Bounds& bounds, int id, DWORD editStyle,
                     const wchar_t* hoverKind)
    : FlatControl(parent, L"EDIT", L"",
                  WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | editStyle, 0, bounds, id,
                  hoverKind),
      faceBrush_(CreateSolidBrush(ColorFace)),
      litBrush_(CreateSolidBrush(ColorFocused)) {
    UpdateFrame();
}

void TFlatEdit::SetPasswordChar(wchar_t mask) {
    SendMessageW(hwnd(), EM_SETPASSWORDCHAR, mask, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void TFlatEdit::SelectAll() { SendMessageW(hwnd(), EM_SETSEL, 0, -1); }

void TFlatEdit::UpdateFrame() {
    lineHeight_ = LineHeight(hwnd(), Font());
    // A new font resets the margins.
    const int border = BorderWidth(Scale());
    SendMessageW(hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(Scale().Px(kTextMargin) - border, border));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TFlatEdit::Repaint() {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TFlatEdit::HoverChanged() { Repaint(); }

LRESULT TFlatEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT: {
        const LRESULT result = FlatControl::HandleMessage(message, wParam, lParam);
        UpdateFrame();
        return result;
    }
    case WM_NCCALCSIZE: {
        // No WS_BORDER: an EDIT given one draws a second frame of its own
        // inside. The border is this frame's outer pixel, and as a one-line
        // edit draws its text at the top of its client area, the space above
        // and below the text becomes frame too, so the text sits centred.
        const LRESULT result = Default(message, wParam, lParam);
        auto& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
        InflateRect(&client, -BorderWidth(Scale()), -BorderWidth(Scale()));
        const int spare = std::max(0, static_cast<int>(client.bottom - client.top) - lineHeight_);
        client.top += spare / 2;
        client.bottom -= spare - spare / 2;
        client.right = std::max(client.left, client.right - RightReserve());
        return result;
    }
    case WM_NCHITTEST: {
        // The padding around the text is frame to the system but field to
        // the user: clicks there arrive as client clicks.
        const LRESULT hit = Default(message, wParam, lParam);
        return hit == HTNOWHERE || hit == HTBORDER ? HTCLIENT : hit;
    }
    case WM_NCPAINT:
        Default(message, wParam, lParam);
        PaintFlatFrame(hwnd(), Lit() ? ColorFocused : ColorFace, BorderWidth(Scale()));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = Default(message, wParam, lParam);
        Repaint();
        return result;
    }
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

HBRUSH TFlatEdit::ControlColor(HDC dc) {
    const bool lit = Lit();
    SetBkColor(dc, lit ? ColorFocused : ColorFace);
    SetTextColor(dc, Enabled() ? ColorText : ColorDisabledText);
    return lit ? litBrush_.get() : faceBrush_.get();
}

void TFlatEdit::Notified(UINT code) {
    if (code == EN_CHANGE && OnChange) OnChange();
}

}  // namespace vesk::ui::flat
