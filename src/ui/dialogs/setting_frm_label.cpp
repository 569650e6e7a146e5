#include "ui/dialogs/setting_frm_label.h"

namespace vesk::ui {

namespace {

// The text's width in the control's font, so that a red background marks the
// words only.
int TextWidth(HWND control, const std::wstring& text) {
    const flat::WindowDc dc(control, flat::WindowDc::Area::Client);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const flat::Selection selected(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

HotkeyGroupLabel::HotkeyGroupLabel(HWND parent, const std::wstring& text, const flat::Bounds& bounds, int id)
    : TFlatLabel(parent, text, bounds, flat::ColorText, id),
      background_(flat::ColorFace),
      brush_(CreateSolidBrush(background_)) {
    FitToText();
}

void HotkeyGroupLabel::FitToText() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = TextWidth(hwnd(), Text());
    if (width > 0 && width < client.right) {
        SetWindowPos(hwnd(), nullptr, 0, 0, width, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void HotkeyGroupLabel::SetBackground(COLORREF colour) {
    if (colour == background_) return;
    background_ = colour;
    brush_.reset(CreateSolidBrush(colour));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

HBRUSH HotkeyGroupLabel::ControlColor(HDC dc) {
    SetTextColor(dc, flat::ColorText);
    SetBkColor(dc, background_);
    return brush_.get();
}

}  // namespace vesk::ui
