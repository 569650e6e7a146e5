#pragma once
#include "platform/win32/windows_api.h"

namespace vesk::test {

// Left clicks as the system delivers them to a window: a press and a
// release at a point of its client area, posted. The window tests click
// this way rather than by SendInput: under Wine, a SendInput click that
// follows a pointer move can land where the pointer stood before the move,
// even after the pointer was seen at its new place.
inline void PostClick(HWND window, POINT client) {
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

// At the middle of the window.
inline void PostClick(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    PostClick(window, {client.right / 2, client.bottom / 2});
}

// At the middle of a child's place, to its parent (a control that lets the
// mouse through to the window beneath, such as a label).
inline void PostClickThrough(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    const HWND parent = GetParent(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    PostClick(parent, {(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

// The notice a clicked control gives its parent, for the close glyph, which
// reacts only to the pointer itself.
inline void PostClicked(HWND control) {
    PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

}  // namespace vesk::test
