#include "ui/dialogs/skinned_dialog.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "ui/flat/dpi.h"
#include "ui/flat/fonts.h"
#include "ui/flat/guarded_call.h"
#include "ui/flat/reflect.h"

namespace vesk::ui {

namespace {

// 96-DPI reference pixels.
constexpr int kStripHeight = 20;
constexpr int kCloseWidth = 22;
constexpr int kCloseHeight = 14;
constexpr int kCloseFromRight = 26;  // from the client's right edge
constexpr int kCloseFromTop = 3;

using platform::DisplayScale;

// The system's message-box font (Tahoma 8 on most systems and on Wine),
// the nearest thing to the classic "MS Sans Serif" dialogs. The system
// gives it at its own scale; the dialog's may be another monitor's.
flat::ScopedFont CreateDialogFont(DisplayScale scale) {
    NONCLIENTMETRICSW metrics{};
    // Without the Vista field, so that older systems accept the size too.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        LOGFONTW face = metrics.lfMessageFont;
        face.lfHeight = MulDiv(face.lfHeight, scale.Dpi(), flat::SystemScale().Dpi());
        face.lfWidth = MulDiv(face.lfWidth, scale.Dpi(), flat::SystemScale().Dpi());
        if (flat::ScopedFont font = flat::MakeFont(face)) return font;
    }
    return flat::MakeFont(flat::NamedFace(L"Tahoma", flat::PixelsHigh(-11, scale)));
}

// What SetScale hands every child: flat controls lay themselves out anew,
// those on the old dialog font get the new one first.
struct ChildRescale {
    HFONT oldFont;
    HFONT newFont;
    DisplayScale scale;
};

BOOL CALLBACK RescaleChild(HWND child, LPARAM context) {
    const auto& rescale = *reinterpret_cast<const ChildRescale*>(context);
    if (reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == rescale.oldFont) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(rescale.newFont), FALSE);
    }
    SendMessageW(child, flat::DisplayScaleChangedMessage(), static_cast<WPARAM>(rescale.scale.Dpi()), 0);
    return TRUE;
}

// `start` moved as little as needed to bring a span of `length` into
// [low, high); its start wins where it does not fit.
LONG Within(LONG start, LONG length, LONG low, LONG high) { return std::max(low, std::min(start, high - length)); }

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

struct ThreadWindowSearch {
    HWND dialog;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ThreadWindowSearch*>(context);
    return flat::GuardedCall(search.dialog, FALSE, [&] {
        if (window != search.dialog && IsWindowVisible(window) && IsWindowEnabled(window)) {
            search.found.push_back(window);
        }
        return TRUE;
    });
}

// The thread's other visible and enabled top-level windows, disabled for a
// modal run; returned for enabling again.
std::vector<HWND> DisableThreadWindows(HWND dialog) {
    ThreadWindowSearch search{dialog, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found) EnableWindow(window, FALSE);
    return search.found;
}

// Escape and Enter close an open drop-down list first, before any dialog
// rule sees them.
bool ClosesADropDown(const MSG& key) {
    if (key.message != WM_KEYDOWN || (key.wParam != VK_ESCAPE && key.wParam != VK_RETURN)) return false;
    for (HWND control = key.hwnd; control; control = GetParent(control)) {
        wchar_t className[16]{};
        GetClassNameW(control, className, 16);
        if (lstrcmpiW(className, L"COMBOBOX") == 0) return SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
        if (!(GetWindowLongPtrW(control, GWL_STYLE) & WS_CHILD)) break;
    }
    return false;
}

bool CanTakeFocus(HWND control) {
    return control && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace

SkinnedDialog::SkinnedDialog(HINSTANCE instance, const wchar_t* className, const std::wstring& title,
                             int clientWidth, int clientHeight, std::optional<DisplayScale> scale)
    : instance_(instance),
      scale_(scale.value_or(flat::SystemScale())),
      followsDisplay_(!scale),
      reference_{clientWidth, clientHeight},
      font_(CreateDialogFont(scale_)),
      window_(CreateDialogWindow(this, instance, className, title, scale_.Px(clientWidth), scale_.Px(clientHeight))),
      FlatPanel1(hwnd(), {0, 0, clientWidth, clientHeight}),
      Image1(hwnd(), {1, 1, clientWidth - 2, kStripHeight}),
      FlatButton1(hwnd(), {clientWidth - kCloseFromRight, kCloseFromTop, kCloseWidth, kCloseHeight},
                  flat::Glyph::Close) {
    FlatButton1.OnClick = [this] { CloseButtonClick(); };
}

SkinnedDialog::~SkinnedDialog() {
    // Derived parts are gone: no more messages for this object.
    if (hwnd()) SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
    window_.reset();
}

platform::win32::ScopedWindow SkinnedDialog::CreateDialogWindow(SkinnedDialog* self,
                                                                HINSTANCE instance,
                                                                const wchar_t* className,
                                                                const std::wstring& title,
                                                                int width, int height) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.style = CS_DBLCLKS;
    description.lpfnWndProc = WindowProc;
    description.hInstance = instance;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    description.lpszClassName = className;
    RegisterClassExW(&description);  // once per class; later calls fail harmlessly
    // A tool window: the dialogs are modal and on top, a taskbar button
    // would only flicker in and out.
    return platform::win32::ScopedWindow(
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, title.c_str(),
                        WS_POPUP | WS_CLIPCHILDREN, 0, 0, width, height, nullptr, nullptr, instance,
                        self));
}

LRESULT CALLBACK SkinnedDialog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SkinnedDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Until CreateWindowExW has returned the object does not know its window.
    if (!self || self->hwnd() != window) return DefWindowProcW(window, message, wParam, lParam);
    if (message == flat::FlatControlClosingMessage()) {
        self->closingControls_ += wParam ? 1 : -1;
        return 0;
    }
    if (message == flat::DisplayScaleQueryMessage()) return self->scale_.Dpi();
    // A derived dialog's controls die before the dialog: its handlers must
    // not see what their destruction sends.
    if (self->closingControls_ > 0) return DefWindowProcW(window, message, wParam, lParam);
    return flat::GuardedCall(window, LRESULT{0}, [&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT SkinnedDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (flat::ReflectToFlatControl(message, wParam, lParam, reflected)) return reflected;
    switch (message) {
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_.get());
    case WM_CTLCOLORSTATIC:  // static text that is no flat control
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_COMMAND:
        // Controls report through their own handlers; IsDialogMessage's
        // IDOK and IDCANCEL for Enter and Escape are PreviewKey's business.
        return 0;
    case WM_NEXTDLGCTL:
        NextControl(wParam, LOWORD(lParam) != 0);
        return 0;
    case WM_DPICHANGED: {
        // Only windows of a per-monitor aware program get it, after a move
        // to a monitor of another scale; the system's rectangle keeps the
        // window under the pointer during a drag. A dialog given its scale
        // keeps it.
        if (!followsDisplay_) return 0;
        SetScale(DisplayScale(LOWORD(wParam)));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        EndModal(kModalCancel);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
        } else if (CanTakeFocus(lastFocus_) && IsChild(hwnd(), lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd(), message, wParam, lParam);
}

void SkinnedDialog::NextControl(WPARAM which, bool isHandle) {
    HWND next = isHandle ? reinterpret_cast<HWND>(which)
                         : GetNextDlgTabItem(hwnd(), GetFocus(), which != 0);
    if (CanTakeFocus(next) && IsChild(hwnd(), next)) SetFocus(next);
}

bool SkinnedDialog::PreviewKey(const MSG& key) {
    if (key.message == WM_KEYDOWN && key.wParam == VK_ESCAPE) {
        EndModal(kModalCancel);
        return true;
    }
    return false;
}

void SkinnedDialog::FormShow() {
    const HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
    SetFocus(CanTakeFocus(first) ? first : hwnd());
}

void SkinnedDialog::CloseButtonClick() { EndModal(kModalCancel); }

void SkinnedDialog::EndModal(int result) {
    if (result == 0) return;
    modalResult_ = result;
    if (showing_) PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the loop
}

void SkinnedDialog::SetScale(DisplayScale scale) {
    if (scale == scale_ || !hwnd()) return;
    scale_ = scale;
    // Where GDI refuses the new font, the controls keep the old one.
    flat::ScopedFont font = CreateDialogFont(scale_);
    ChildRescale rescale{font_.get(), font ? font.get() : font_.get(), scale_};
    EnumChildWindows(hwnd(), RescaleChild, reinterpret_cast<LPARAM>(&rescale));
    if (font) font_ = std::move(font);  // the old one only now, no control holds it
    SetWindowPos(hwnd(), nullptr, 0, 0, scale_.Px(reference_.cx), scale_.Px(reference_.cy),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ScaleChanged();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void SkinnedDialog::PlaceAt(int left, int top) {
    centred_ = false;
    placed_ = {left, top};
    if (showing_) MoveToShowPlace();
}

void SkinnedDialog::PaintTitleStrip(const image::RgbImage* picture, flat::StripFit fit) {
    Image1.Paint(picture && !picture->empty() ? picture : nullptr, fit);
}

void SkinnedDialog::StackControls(std::initializer_list<HWND> topToBottom) {
    HWND above = HWND_TOP;
    for (HWND control : topToBottom) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

void SkinnedDialog::SendToBack(HWND control) {
    SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SkinnedDialog::MoveToShowPlace() {
    const DisplayScale before = scale_;
    MoveWithinWorkArea();
    // Where no WM_DPICHANGED came with the move (a hidden window, older
    // systems), the monitor's scale is taken here; the new size is placed
    // again.
    if (followsDisplay_) SetScale(flat::WindowScale(hwnd()));
    if (scale_ != before) MoveWithinWorkArea();
}

void SkinnedDialog::MoveWithinWorkArea() {
    RECT window{};
    GetWindowRect(hwnd(), &window);
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    POINT place = placed_;
    if (centred_) {
        place.x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        place.y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    // A place chosen at 100 % may leave a dialog grown with the scale
    // partly off its monitor, or under the taskbar.
    const RECT wanted{place.x, place.y, place.x + width, place.y + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        place.x = Within(place.x, width, work.left, work.right);
        place.y = Within(place.y, height, work.top, work.bottom);
    }
    SetWindowPos(hwnd(), HWND_TOPMOST, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

int SkinnedDialog::ShowModal() {
    if (!hwnd() || showing_) return kModalCancel;
    showing_ = true;
    modalResult_ = 0;
    lastFocus_ = nullptr;
    const HWND previousActive = GetActiveWindow();
    const HWND previousFocus = GetFocus();

    SendToBack(Image1.hwnd());
    SendToBack(FlatPanel1.hwnd());
    const std::vector<HWND> disabled = DisableThreadWindows(hwnd());
    MoveToShowPlace();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    FormShow();

    MSG message{};
    while (modalResult_ == 0) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
            modalResult_ = kModalCancel;
            break;
        }
        if (got == -1) {
            modalResult_ = kModalCancel;
            break;
        }
        const bool ours = message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd);
        if (ours && IsKeyMessage(message.message) && !ClosesADropDown(message) && PreviewKey(message)) {
            continue;
        }
        if (IsDialogMessageW(hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    // Owners first, so that hiding the dialog hands activation back to them.
    for (HWND window : disabled) EnableWindow(window, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    if (CanTakeFocus(previousActive)) SetActiveWindow(previousActive);
    if (CanTakeFocus(previousFocus)) SetFocus(previousFocus);
    showing_ = false;
    return modalResult_;
}

}  // namespace vesk::ui
