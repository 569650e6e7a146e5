#pragma once
#include "platform/win32/windows_api.h"

#include <set>

#include "platform/input_hooks.h"
#include "platform/win32/scoped_handles.h"

namespace vesk::platform::win32 {

// Marks the input a playback injects (dwExtraInfo), so the hold below lets
// it through.
inline constexpr ULONG_PTR kPlaybackInputTag = 0x5645534B;

// Holds the user's keyboard and mouse input off while a playback runs, as a
// journal playback hook did: with SendInput the user's keys and clicks would
// mix into the recording being played. Low-level hooks of this thread drop
// every event not marked with kPlaybackInputTag, except the keys of the stop
// chord, and the release of a key or button pressed before the hold began
// (dropping it would leave that key down). One hold per thread; create and
// destroy it on that thread.
class UserInputHold {
public:
    explicit UserInputHold(const StopChord& stop);
    ~UserInputHold();
    UserInputHold(const UserInputHold&) = delete;
    UserInputHold& operator=(const UserInputHold&) = delete;

private:
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    bool Drops(DWORD key, bool press, bool release);

    std::set<DWORD> stopKeys_;  // virtual keys
    std::set<DWORD> dropped_;   // pressed keys and buttons whose presses were dropped
    ScopedHook keyboard_;
    ScopedHook mouse_;
};

}  // namespace vesk::platform::win32
