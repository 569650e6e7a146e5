#pragma once
#include "platform/win32/windows_api.h"

#include "platform/win32/scoped_handles.h"

namespace vesk::platform::win32 {

// Posts a message to a window when a due time comes, to about a millisecond.
// SetTimer rounds every wait up to the system tick (10-16 ms), which made a
// recording of many short pauses play back slower than it was made; this
// waits on a waitable timer in a thread of its own instead, with the system
// timer resolution raised while it exists.
class PlaybackAlarm {
public:
    PlaybackAlarm(HWND window, UINT message);
    ~PlaybackAlarm();
    PlaybackAlarm(const PlaybackAlarm&) = delete;
    PlaybackAlarm& operator=(const PlaybackAlarm&) = delete;

    // False when the timer or its thread could not be made.
    bool started() const { return static_cast<bool>(thread_); }
    // Posts the message once, `milliseconds` from now; replaces a wait that
    // is still running.
    void PostAfter(double milliseconds);

private:
    static DWORD WINAPI WaitForTimer(void* alarm);

    const HWND window_;
    const UINT message_;
    bool raisedResolution_ = false;
    ScopedHandle timer_;
    ScopedHandle quit_;
    ScopedHandle thread_;
};

}  // namespace vesk::platform::win32
