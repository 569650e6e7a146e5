#pragma once
#include <windows.h>

#include <string>

#include "vesk_process.h"

namespace vesk::e2e {

// Vesk's dialogs driven through their controls as a user drives them: the
// mouse on the control, the keyboard into it. The controls live in Vesk's
// process; only messages that Wine carries across processes are sent to them.

// The control of a dialog by its id, or nullptr.
HWND ControlOf(HWND dialog, int id);
// The control's text as it shows it now; asked of the control itself, since
// for another process's window GetWindowText gives only the text it was
// created with.
std::wstring ControlText(HWND control);
// A click in the middle of the control.
void ClickControl(HWND control);
// Drops the drop-down list down and clicks the item of that text; false when
// the list has no such item or the choice did not take.
bool ChooseComboItem(const VeskProcess& vesk, HWND combo, const std::wstring& text);
// The first row of the list box that contains `part`, or -1.
int FindRow(HWND list, const std::wstring& part);
// FindRow polled, since a dialog fills its list while it opens.
int WaitForRow(HWND list, const std::wstring& part);
std::wstring RowText(HWND list, int row);
// Scrolls the row into view and clicks it, on its check square when `onSquare`.
bool ClickRow(HWND list, int row, bool onSquare);

}  // namespace vesk::e2e
