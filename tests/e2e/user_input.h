#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

namespace vesk::e2e {

// Input as a user makes it, through SendInput: it reaches hotkeys and the
// foreground window whichever process owns it.

// Holds the modifiers (VK_CONTROL, VK_MENU, VK_SHIFT), presses and releases
// the key, then releases the modifiers.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// The same in one SendInput call, without PressKey's pauses: a hotkey fires
// on its key-down, so the moment of the call is the hotkey's, and the time
// between two calls is the time between two hotkeys.
void PressKeyAtOnce(WORD key, std::initializer_list<WORD> modifiers = {});
// Types the text into the focused control, character by character.
void TypeText(const std::wstring& text);
// Moves the mouse to the screen position and presses and releases a button
// there (VK_LBUTTON or VK_RBUTTON).
void ClickAt(POINT screen, WORD button = VK_LBUTTON);
void MoveMouseTo(POINT screen);
// Waits (up to a few seconds) for the window to have the focus, then a
// little longer: when the focus moves, Wine re-reads the keyboard state from
// X, and modifiers injected before that would count as released again.
void WaitForFocus(HWND window);

}  // namespace vesk::e2e
