#pragma once
#include "platform/win32/windows_api.h"

#include <optional>

#include "platform/input_hooks.h"

namespace vesk::platform::win32 {

// Input events in the journal layout (EVENTMSG): for keys paramL holds the
// virtual key in its low byte and the scan code in the next, paramH the
// repeat count with bit 15 set for extended keys; for the mouse paramL and
// paramH are the pointer's screen position in pixels. hwnd is the foreground
// window when the event happened (asking which window lies under the pointer
// could wait on a hung program, which a low-level hook must never do).

JournalEvent FromKeyboardHook(WPARAM message, const KBDLLHOOKSTRUCT& key, HWND foreground);
JournalEvent FromMouseHook(WPARAM message, const MSLLHOOKSTRUCT& mouse, HWND foreground);

// The SendInput record that replays the event; nullopt for messages that
// are not keyboard or mouse input. virtualScreen is the bounding rectangle
// of all monitors, in pixels. The wheel distance is not in the journal
// layout, so wheel events replay as moves to where they happened.
std::optional<INPUT> ToInput(const JournalEvent& event, const RECT& virtualScreen);

}  // namespace vesk::platform::win32
