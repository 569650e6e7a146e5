#include "ui/flat/reflect.h"

namespace vesk::ui::flat {

bool ReflectToFlatControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND control = nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU) control = item->hwndItem;
        break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        control = reinterpret_cast<HWND>(lParam);
        break;
    case WM_COMMAND:
        if (lParam != 0) SendMessageW(reinterpret_cast<HWND>(lParam), Reflected(message), wParam, lParam);
        return false;
    default:
        return false;
    }
    if (!control) return false;
    const LRESULT answer = SendMessageW(control, Reflected(message), wParam, lParam);
    if (answer == 0) return false;
    result = answer;
    return true;
}

UINT FlatControlClosingMessage() { return RegisterWindowMessageW(L"VeskFlatControlClosing"); }

UINT DisplayScaleQueryMessage() { return RegisterWindowMessageW(L"VeskDisplayScaleQuery"); }

UINT DisplayScaleChangedMessage() { return RegisterWindowMessageW(L"VeskDisplayScaleChanged"); }

}  // namespace vesk::ui::flat
