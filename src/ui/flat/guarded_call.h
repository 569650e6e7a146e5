#pragma once
#include "platform/win32/windows_api.h"

#include <exception>

namespace vesk::ui::flat {

// Shows what went wrong in a message box over `owner` (may be null), as the
// framework's default error report does, and lets the program go on.
void ReportUncaughtError(HWND owner, const char* what) noexcept;

// Runs the body of a window, dialog, subclass or enumeration procedure. An
// exception that leaves it is reported over `owner` and `fallback` is
// answered instead: mingw's i686 DWARF unwinder cannot carry an exception
// through user32's frames, so one that escaped the procedure would end the
// process, and the windows it hid for other desktops would stay hidden.
template <typename Result, typename Body>
Result GuardedCall(HWND owner, Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        ReportUncaughtError(owner, error.what());
    } catch (...) {
        ReportUncaughtError(owner, "Unknown error.");
    }
    return fallback;
}

}  // namespace vesk::ui::flat
