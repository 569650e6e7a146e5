#pragma once
#include "platform/win32/windows_api.h"

namespace vesk::ui::flat {

// Owner drawing, colours and notifications reach a control's parent; the
// parent hands them back to the control as these messages. The offset is
// the one ATL and MFC reflect with, clear of the standard controls' own.
inline constexpr UINT kReflectBase = WM_USER + 0x1C00;
inline constexpr UINT Reflected(UINT message) { return kReflectBase + message; }

// Call first in the window procedure of every window that holds flat
// controls. True when a flat control answered and `result` is the answer;
// WM_COMMAND always also stays with the parent (false).
bool ReflectToFlatControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Sent to a flat control's parent around the control's destruction (wParam
// TRUE before, FALSE after). The messages the destruction causes (focus,
// EN_KILLFOCUS ...) arrive when the parent's C++ object may be half gone;
// a parent that dispatches to its own handlers should pass them to
// DefWindowProc in between. A registered message: it meets no private one.
UINT FlatControlClosingMessage();

// Sent by a flat control to its parent at creation: the parent answers with
// the dots per inch it lays its controls out at, or 0 (DefWindowProc) to
// keep the 96-DPI reference pixels.
UINT DisplayScaleQueryMessage();

// Sent by a parent to each flat control when its scale changes, wParam the
// new dots per inch: the control lays itself out again from its reference
// bounds. The parent sends the new font on its own.
UINT DisplayScaleChangedMessage();

}  // namespace vesk::ui::flat
