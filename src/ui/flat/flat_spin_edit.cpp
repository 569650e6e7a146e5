#include "ui/flat/flat_spin_edit.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

namespace {
constexpr int kArrowsWidth = 15;        // 96-DPI reference pixels
constexpr UINT_PTR kRepeatTimer = 0x5650;  // clear of the EDIT's own timers
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 60;
}  // namespace

TFlatSpinEditInteger::TFlatSpinEditInteger(HWND parent, const Bounds& bounds, int minValue,
                                           int maxValue, int value, int id)
    : TFlatEdit(parent, bounds, id, 0, L"TFlatSpinEditInteger"),
      min_(std::min(minValue, maxValue)),
      max_(std::max(minValue, maxValue)) {
    UpdateFrame();  // now with room for the arrows
    SetValue(value);
}

int TFlatSpinEditInteger::RightReserve() const { return Scale().Px(kArrowsWidth); }

int TFlatSpinEditInteger::Value() const {
    const std::wstring text = Text();
    wchar_t* end = nullptr;
    const long long number = std::wcstoll(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str()) return min_;
    return static_cast<int>(std::clamp<long long>(number, min_, max_));
}

void TFlatSpinEditInteger::SetValue(int value) {
    const std::wstring text = std::to_wstring(std::clamp(value, min_, max_));
    if (Text() != text) SetText(text);
}

void TFlatSpinEditInteger::SetRange(int minValue, int maxValue) {
    min_ = std::min(minValue, maxValue);
    max_ = std::max(minValue, maxValue);
    SetValue(Value());
}

void TFlatSpinEditInteger::Step(int direction) {
    const long long stepped = static_cast<long long>(Value()) + static_cast<long long>(direction) * increment_;
    SetValue(static_cast<int>(std::clamp<long long>(stepped, min_, max_)));
}

RECT TFlatSpinEditInteger::ArrowsInWindow() const {
    RECT window{};
    GetWindowRect(hwnd(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int border = BorderWidth(Scale());
    return {width - border - RightReserve(), border, width - border, height - border};
}

TFlatSpinEditInteger::Arrow TFlatSpinEditInteger::ArrowAt(POINT client) const {
    // Client coordinates to window coordinates.
    POINT point = client;
    MapWindowPoints(hwnd(), nullptr, &point, 1);
    RECT window{};
    GetWindowRect(hwnd(), &window);
    point.x -= window.left;
    point.y -= window.top;
    const RECT arrows = ArrowsInWindow();
    if (!PtInRect(&arrows, point)) return Arrow::None;
    return point.y < (arrows.top + arrows.bottom) / 2 ? Arrow::Up : Arrow::Down;
}

void TFlatSpinEditInteger::StopSpinning() {
    if (held_ == Arrow::None) return;
    held_ = Arrow::None;
    KillTimer(hwnd(), kRepeatTimer);
    PaintArrows();
}

void TFlatSpinEditInteger::PaintArrows() {
    const RECT arrows = ArrowsInWindow();
    const int border = BorderWidth(Scale());
    const int middle = (arrows.top + arrows.bottom) / 2;
    const RECT up{arrows.left + border, arrows.top, arrows.right, middle};
    const RECT down{arrows.left + border, middle + border, arrows.right, arrows.bottom};
    const COLORREF rest = Lit() ? ColorFocused : ColorFace;
    const COLORREF ink = Enabled() ? ColorText : ColorDisabledText;
    WindowDc dc(hwnd(), WindowDc::Area::Window);
    FillSolid(dc.get(), {arrows.left, arrows.top, arrows.left + border, arrows.bottom}, ColorBorder);
    FillSolid(dc.get(), {arrows.left, middle, arrows.right, middle + border}, ColorBorder);
    FillSolid(dc.get(), up, held_ == Arrow::Up ? ColorDown : rest);
    FillSolid(dc.get(), down, held_ == Arrow::Down ? ColorDown : rest);
    DrawGlyph(dc.get(), up, Glyph::ArrowUp, ink, Scale());
    DrawGlyph(dc.get(), down, Glyph::ArrowDown, ink, Scale());
}

LRESULT TFlatSpinEditInteger::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCPAINT: {
        const LRESULT result = TFlatEdit::HandleMessage(message, wParam, lParam);
        PaintArrows();
        return result;
    }
    case WM_SETCURSOR: {
        POINT pointer{};
        GetCursorPos(&pointer);
        ScreenToClient(hwnd(), &pointer);
        if (ArrowAt(pointer) != Arrow::None) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const Arrow arrow = ArrowAt({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        if (arrow == Arrow::None) break;
        Focus();
        held_ = arrow;
        SetCapture(hwnd());
        Step(arrow == Arrow::Up ? 1 : -1);
        SetTimer(hwnd(), kRepeatTimer, kFirstRepeatMs, nullptr);
        PaintArrows();
        return 0;
    }
    case WM_TIMER:
        if (wParam != kRepeatTimer) break;
        if (held_ != Arrow::None) {
            POINT pointer{};
            GetCursorPos(&pointer);
            ScreenToClient(hwnd(), &pointer);
            if (ArrowAt(pointer) == held_) Step(held_ == Arrow::Up ? 1 : -1);
            SetTimer(hwnd(), kRepeatTimer, kRepeatMs, nullptr);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (held_ != Arrow::None) return 0;
        break;
    case WM_LBUTTONUP:
        if (held_ != Arrow::None) {
            ReleaseCapture();
            StopSpinning();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        StopSpinning();
        break;
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN) {
            Step(wParam == VK_UP ? 1 : -1);
            return 0;
        }
        break;
    case WM_CHAR: {
        const wchar_t typed = static_cast<wchar_t>(wParam);
        const bool allowed = typed < L' ' || (typed >= L'0' && typed <= L'9') || (typed == L'-' && min_ < 0);
        if (!allowed) {
            MessageBeep(MB_OK);
            return 0;
        }
        break;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = TFlatEdit::HandleMessage(message, wParam, lParam);
        SetValue(Value());
        return result;
    }
    default:
        break;
    }
    return TFlatEdit::HandleMessage(message, wParam, lParam);
}

}  // namespace vesk::ui::flat
