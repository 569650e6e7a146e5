#include "ui/dialogs/hint_tips.h"

#include <commctrl.h>

#include "platform/win32/late_calls.h"
#include "ui/flat/dpi.h"

namespace vesk::ui {

namespace {

constexpr int kHintWidth = 300;  // 96-DPI reference pixels; longer hints wrap

HWND CreateTips(HWND dialog) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    platform::win32::late::InitCommonControlsEx(&classes);
    // Topmost, or the always-on-top dialog would cover its own hints.
    const HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    if (tips) SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, flat::LayoutScale(dialog).Px(kHintWidth));
    return tips;
}

// Labels and group frames let the mouse through to the dialog beneath them.
bool PassesMouseOn(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    const LPARAM centre = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    return SendMessageW(control, WM_NCHITTEST, 0, centre) == HTTRANSPARENT;
}

}  // namespace

HintTips::HintTips(HWND dialog) : dialog_(dialog), tips_(CreateTips(dialog)) {}

void HintTips::Add(HWND control, const std::wstring& text) {
    if (!tips_ || !control) return;
    // The size that every comctl32 version accepts.
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = dialog_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the tool tip
    if (PassesMouseOn(control)) {
        // The control's place on the dialog, which receives the mouse there.
        GetWindowRect(control, &tool.rect);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&tool.rect), 2);
    } else {
        tool.uFlags |= TTF_IDISHWND;
    }
    SendMessageW(tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vesk::ui
