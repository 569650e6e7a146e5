#pragma once
#include "platform/input_hooks.h"
#include "platform/win32/scoped_handles.h"

namespace vesk::platform::win32 {

// Captures every keyboard and mouse event of the session through the
// low-level hooks (journal hooks need uiAccess since Vista and are gone from
// Windows 11). The system calls the hooks on this thread while it waits for
// messages. One recording per thread; create and destroy it on that thread.
// The handler may destroy the recording from inside its callback.
class InputRecording {
public:
    explicit InputRecording(RecordHookHandler& handler);
    ~InputRecording();
    InputRecording(const InputRecording&) = delete;
    InputRecording& operator=(const InputRecording&) = delete;

    // False when the hooks could not be installed.
    bool installed() const { return static_cast<bool>(keyboard_) && static_cast<bool>(mouse_); }

private:
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);

    RecordHookHandler& handler_;
    ScopedHook keyboard_;
    ScopedHook mouse_;
};

}  // namespace vesk::platform::win32
