// Painting the main window: the skin picture, the selector with its
// outlines, the button faces, the command labels and the status line, put
// together off screen and copied in one piece, so nothing flickers.
#include "ui/main/main_form.h"

#include "platform/win32/utf.h"
#include "ui/flat/colors.h"

namespace vesk::ui {
namespace {

constexpr COLORREF kLabelText = RGB(0, 0, 0);
constexpr COLORREF kHotLabelText = RGB(0, 0, 255);
constexpr COLORREF kStatusText = RGB(0, 0, 0);
constexpr int kLabelInset = 6;  // pixels between a label's left edge and its text

RECT ToRect(const skin::Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void DrawText(HDC dc, HFONT font, const std::string& text, RECT area, UINT format, COLORREF color) {
    const std::wstring wide = platform::win32::Widen(text);
    const flat::Selection selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The flat button's face is the skin's own pixels; the mouse over it adds
// the flat border, a press darkens the border.
void DrawButtonFrame(HDC dc, const skin::Rect& area, bool hovered, bool pressed) {
    if (!hovered) return;
    const COLORREF color = pressed ? RGB(0, 0, 0) : flat::ColorBorder;
    const flat::ScopedBrush brush{CreateSolidBrush(color)};
    const RECT r = ToRect(area);
    FrameRect(dc, &r, brush.get());
}

}  // namespace

void MainForm::Paint(HDC target) {
    if (!background_ || !frame_ || !*frame_) {
        RECT client{};
        GetClientRect(window_.get(), &client);
        FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return;
    }
    const HDC dc = frame_->dc();
    background_->CopyTo(dc, 0, 0);
    if (selector_) selector_->CopyTo(dc, skin_.SelectorRect.Left, skin_.SelectorRect.Top);
    DrawButtonFrame(dc, skin_.MinimizeRect, panel_.ButtonHovered(PanelPart::Minimize),
                    panel_.ButtonPressed(PanelPart::Minimize));
    DrawButtonFrame(dc, skin_.CloseRect, panel_.ButtonHovered(PanelPart::Close), panel_.ButtonPressed(PanelPart::Close));
    for (int label = 1; label <= kLabelCount; ++label) {
        if (!panel_.HasLabel(label)) continue;
        RECT area = ToRect(skin_.CommandRects[static_cast<std::size_t>(label - 1)]);
        area.left += kLabelInset;
        DrawText(dc, labelFont_.get(), panel_.Caption(label), area, DT_LEFT,
                 panel_.HotLabel() == label ? kHotLabelText : kLabelText);
    }
    DrawText(dc, labelFont_.get(), panel_.StatusText(), ToRect(skin_.StatusRect), DT_CENTER, kStatusText);
    frame_->CopyTo(target, 0, 0);
}

void MainForm::Redraw(const skin::Rect& area) {
    if (!window_) return;
    const RECT r = ToRect(area);
    InvalidateRect(window_.get(), &r, FALSE);
}

void MainForm::RedrawAll() {
    if (window_) InvalidateRect(window_.get(), nullptr, FALSE);
}

}  // namespace vesk::ui
