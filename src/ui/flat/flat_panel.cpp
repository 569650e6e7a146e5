#include "ui/flat/flat_panel.h"

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

namespace {

constexpr const wchar_t* kPanelClass = L"TFlatPanel";
constexpr const wchar_t* kGroupClass = L"TFlatGroupBox";
constexpr int kCaptionIndent = 8;  // 96-DPI reference pixels from the left edge to the caption

const wchar_t* Registered(const wchar_t* className) {
    RegisterPlainClass(className);
    return className;
}

// What both frames answer alike: transparent to the mouse, no erasing (the
// paint covers it), a repaint after a new caption.
bool HandleFrameMessage(FlatControl& control, UINT message, LRESULT& result) {
    switch (message) {
    case WM_NCHITTEST:
        result = HTTRANSPARENT;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_SETTEXT:
    case WM_ENABLE:
        InvalidateRect(control.hwnd(), nullptr, TRUE);
        return false;
    default:
        return false;
    }
}

}  // namespace

TFlatPanel::TFlatPanel(HWND parent, const Bounds& bounds, COLORREF fill, int id)
    : FlatControl(parent, Registered(kPanelClass), L"", WS_VISIBLE, 0, bounds, id, nullptr), fill_(fill) {}

LRESULT TFlatPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleFrameMessage(*this, message, result)) return result;
    if (message == WM_PAINT) {
        PaintDc paint(hwnd());
        RECT area{};
        GetClientRect(hwnd(), &area);
        FillSolid(paint.get(), area, fill_);
        FrameSolid(paint.get(), area, ColorBorder, BorderWidth(Scale()));
        return 0;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

TFlatGroupBox::TFlatGroupBox(HWND parent, const std::wstring& caption, const Bounds& bounds, int id,
                             COLORREF border)
    : FlatControl(parent, Registered(kGroupClass), caption, WS_VISIBLE, 0, bounds, id, nullptr),
      border_(border) {}

LRESULT TFlatGroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleFrameMessage(*this, message, result)) return result;
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_PAINT: {
        PaintDc paint(hwnd());
        const HDC dc = paint.get();
        RECT area{};
        GetClientRect(hwnd(), &area);
        const std::wstring caption = Text();
        const SIZE text = MeasureCaption(dc, Font(), caption);
        // The panel beneath is clipped out here: the group paints its own face.
        FillSolid(dc, area, ColorFace);
        RECT frame = area;
        frame.top += text.cy / 2;
        FrameSolid(dc, frame, border_, BorderWidth(Scale()));
        if (!caption.empty()) {
            const int indent = Scale().Px(kCaptionIndent);
            const int pad = Scale().Px(2);
            const RECT label{area.left + indent - pad, area.top, area.left + indent + text.cx + pad, area.top + text.cy};
            FillSolid(dc, label, ColorFace);
            DrawCaption(dc, Font(), caption, label, DT_CENTER | DT_SINGLELINE,
                        Enabled() ? ColorText : ColorDisabledText);
        }
        return 0;
    }
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

}  // namespace vesk::ui::flat
