#include "ui/flat/flat_speed_button.h"

#include "ui/flat/colors.h"
#include "ui/flat/gdi.h"
#include "ui/flat/reflect.h"

namespace vesk::ui::flat {

namespace {
constexpr const wchar_t* kClass = L"TFlatSpeedButton";

const wchar_t* RegisteredClass() {
    RegisterPlainClass(kClass);
    return kClass;
}
}  // namespace

TFlatSpeedButton::TFlatSpeedButton(HWND parent, const Bounds& bounds, Glyph glyph,
                                   const std::wstring& caption, int id)
    : FlatControl(parent, RegisteredClass(), caption, WS_VISIBLE, 0, bounds, id, L"TFlatSpeedButton"),
      glyph_(glyph) {}

bool TFlatSpeedButton::PointerInside() const {
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT area{};
    GetWindowRect(hwnd(), &area);
    return PtInRect(&area, pointer) != FALSE;
}

LRESULT TFlatSpeedButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        tracking_ = true;
        pressedLook_ = true;
        SetCapture(hwnd());
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_MOUSEMOVE:
        if (tracking_ && pressedLook_ != PointerInside()) {
            pressedLook_ = !pressedLook_;
            InvalidateRect(hwnd(), nullptr, FALSE);
        }
        break;
    case WM_LBUTTONUP:
        if (tracking_) {
            const bool click = PointerInside();
            ReleaseCapture();  // ends the tracking through WM_CAPTURECHANGED
            if (click) {
                SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd()));
            }
        }
        return 0;
    case WM_CAPTURECHANGED:
        tracking_ = false;
        pressedLook_ = false;
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_ENABLE:
    case WM_SETTEXT: {
        const LRESULT result = FlatControl::HandleMessage(message, wParam, lParam);
        InvalidateRect(hwnd(), nullptr, FALSE);
        return result;
    }
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

void TFlatSpeedButton::Paint() {
    PaintDc paint(hwnd());
    const HDC dc = paint.get();
    RECT area{};
    GetClientRect(hwnd(), &area);
    FillSolid(dc, area, pressedLook_ ? ColorDown : Hovered() ? ColorFocused : ColorFace);
    FrameSolid(dc, area, ColorBorder, BorderWidth(Scale()));
    if (pressedLook_) OffsetRect(&area, Scale().Px(1), Scale().Px(1));
    const COLORREF ink = Enabled() ? ColorText : ColorDisabledText;
    const std::wstring caption = Text();
    if (caption.empty()) {
        DrawGlyph(dc, area, glyph_, ink, Scale());
    } else {
        DrawCaption(dc, Font(), caption, area, DT_CENTER | DT_VCENTER | DT_SINGLELINE, ink);
    }
}

void TFlatSpeedButton::Notified(UINT code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace vesk::ui::flat
