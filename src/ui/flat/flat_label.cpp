#include "ui/flat/flat_label.h"

namespace vesk::ui::flat {

TFlatLabel::TFlatLabel(HWND parent, const std::wstring& text, const Bounds& bounds, COLORREF color,
                       int id)
    : FlatControl(parent, L"STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0,
                  bounds, id, nullptr),
      color_(color) {}

void TFlatLabel::SetFont(HFONT font) {
    if (!font) font = reinterpret_cast<HFONT>(SendMessageW(GetParent(hwnd()), WM_GETFONT, 0, 0));
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HBRUSH TFlatLabel::ControlColor(HDC dc) {
    SetTextColor(dc, color_);
    SetBkColor(dc, ColorFace);
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

}  // namespace vesk::ui::flat
