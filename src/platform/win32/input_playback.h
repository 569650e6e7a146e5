#pragma once
#include <memory>

#include "platform/input_hooks.h"
#include "platform/win32/scoped_handles.h"

namespace vesk::platform::win32 {

// Replays events with SendInput in the journal-playback rhythm: ask for the
// current event (kHookGetNext), wait the pause it comes with, inject it, then
// move on (kHookSkip), over and over until destroyed. Each step runs from a
// message to a hidden window of this thread, so the handler is called
// between that thread's messages and never from inside the constructor. The
// handler may destroy the playback from inside its callback.
class InputPlayback {
public:
    explicit InputPlayback(PlaybackHookHandler& handler);
    ~InputPlayback();
    InputPlayback(const InputPlayback&) = delete;
    InputPlayback& operator=(const InputPlayback&) = delete;

    // False when the playback window could not be created.
    bool started() const { return static_cast<bool>(window_); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void TakeNext();
    void PlayPending();

    PlaybackHookHandler& handler_;
    // Expires when this object is destroyed; a step checks it after every
    // handler call.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    JournalEvent pending_;
    ScopedWindow window_;
};

}  // namespace vesk::platform::win32
