#include "ui/flat/flat_control.h"

#include <commctrl.h>

#include "platform/win32/late_calls.h"
#include "ui/flat/dpi.h"
#include "ui/flat/guarded_call.h"
#include "ui/flat/hover_tracker.h"
#include "ui/flat/reflect.h"

namespace vesk::ui::flat {

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

FlatControl::FlatControl(HWND parent, const wchar_t* className, const std::wstring& text,
                         DWORD style, DWORD exStyle, const Bounds& bounds, int id,
                         const wchar_t* hoverKind)
    : reference_(bounds), scale_(LayoutScale(parent)), hoverKind_(hoverKind) {
    const Bounds scaled = Scaled(bounds, scale_);
    window_ = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style,
                              scaled.x, scaled.y, scaled.width, scaled.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) return;
    platform::win32::late::SetWindowSubclass(window_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (const auto font = static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0))) {
        SendMessageW(window_, WM_SETFONT, font, FALSE);
    }
}

FlatControl::~FlatControl() {
    if (!window_) return;
    const HWND window = window_;
    const HWND parent = GetParent(window);
    Detach();
    SendMessageW(parent, FlatControlClosingMessage(), TRUE, 0);
    DestroyWindow(window);
    SendMessageW(parent, FlatControlClosingMessage(), FALSE, 0);
}

void FlatControl::SetBounds(const Bounds& bounds) {
    reference_ = bounds;
    const Bounds scaled = Scaled(bounds, scale_);
    SetWindowPos(window_, nullptr, scaled.x, scaled.y, scaled.width, scaled.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FlatControl::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
bool FlatControl::Visible() const { return IsWindowVisible(window_) != FALSE; }
void FlatControl::SetEnabled(bool enabled) { EnableWindow(window_, enabled); }
bool FlatControl::Enabled() const { return IsWindowEnabled(window_) != FALSE; }
void FlatControl::Focus() { SetFocus(window_); }
bool FlatControl::Focused() const { return window_ && GetFocus() == window_; }

void FlatControl::SetText(const std::wstring& text) { SetWindowTextW(window_, text.c_str()); }

std::wstring FlatControl::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void FlatControl::HoverChanged() { InvalidateRect(window_, nullptr, FALSE); }

LRESULT FlatControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return platform::win32::late::DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT FlatControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        break;
    case WM_MOUSEMOVE:
        if (hoverKind_) {
            RECT client{};
            GetClientRect(window_, &client);
            const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&client, point)) NoteMouseOver(window_, hoverKind_);
        }
        break;
    case WM_NCMOUSEMOVE:
        if (hoverKind_) NoteMouseOver(window_, hoverKind_);
        break;
    case kHoverChanged:
        if (hovered_ != (wParam != FALSE)) {
            hovered_ = wParam != FALSE;
            HoverChanged();
        }
        return 0;
    case Reflected(WM_DRAWITEM):
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case Reflected(WM_CTLCOLOREDIT):
    case Reflected(WM_CTLCOLORLISTBOX):
    case Reflected(WM_CTLCOLORSTATIC):
    case Reflected(WM_CTLCOLORBTN):
        return reinterpret_cast<LRESULT>(ControlColor(reinterpret_cast<HDC>(wParam)));
    case Reflected(WM_COMMAND):
        Notified(HIWORD(wParam));
        return 0;
    default:
        if (message == DisplayScaleChangedMessage()) {
            scale_ = DisplayScale(static_cast<int>(wParam));
            SetBounds(reference_);
            ScaleChanged();
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        }
        break;
    }
    return Default(message, wParam, lParam);
}

void FlatControl::Detach() {
    if (hoverKind_) ForgetHover(window_, hoverKind_);
    platform::win32::late::RemoveWindowSubclass(window_, SubclassProc, kSubclassId);
    window_ = nullptr;
}

LRESULT CALLBACK FlatControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<FlatControl*>(self);
    return GuardedCall(window, LRESULT{0}, [&] {
        if (message == WM_NCDESTROY) {
            // The parent went first: the object outlives its window.
            control->Detach();
            return platform::win32::late::DefSubclassProc(window, message, wParam, lParam);
        }
        return control->HandleMessage(message, wParam, lParam);
    });
}

void RegisterPlainClass(const wchar_t* className) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.style = CS_DBLCLKS;
    description.lpfnWndProc = DefWindowProcW;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.lpszClassName = className;
    RegisterClassExW(&description);
}

}  // namespace vesk::ui::flat
