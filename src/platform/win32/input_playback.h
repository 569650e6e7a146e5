#pragma once
#include <memory>
#include <optional>

#include "platform/input_hooks.h"
#include "platform/win32/playback_alarm.h"
#include "platform/win32/pressed_input.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/user_input_hold.h"

namespace vesk::platform::win32 {

// Replays events with SendInput in the journal-playback rhythm: move on to
// the first event (kHookSkip), then over and over ask for the current event
// (kHookGetNext), wait the pause it comes with, inject it and move on
// (kHookSkip), until destroyed. Each step runs from a message to a hidden
// window of this thread, so the handler is called between that thread's
// messages and never from inside the constructor. The handler may destroy
// the playback from inside its callback. While it exists the user's own
// input is held off (UserInputHold); when destroyed it releases every key
// and button it pressed.
class InputPlayback {
public:
    InputPlayback(PlaybackHookHandler& handler, const StopChord& stop);
    ~InputPlayback();
    InputPlayback(const InputPlayback&) = delete;
    InputPlayback& operator=(const InputPlayback&) = delete;

    // False when the playback window or its alarm could not be created.
    bool started() const { return static_cast<bool>(window_) && alarm_ && alarm_->started(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Begin();
    void TakeNext();
    void PlayPending();
    // Milliseconds to wait before the event that comes `pause` after the one before it.
    double WaitFor(std::int32_t pause);

    PlaybackHookHandler& handler_;
    // Expires when this object is destroyed; a step checks it after every
    // handler call.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    JournalEvent pending_;
    PressedInput pressed_;
    std::optional<double> due_;  // when the pending event is due, in PreciseNowMs milliseconds
    int dueInARow_ = 0;          // events played one after another without the message loop
    UserInputHold hold_;
    ScopedWindow window_;
    std::optional<PlaybackAlarm> alarm_;
};

}  // namespace vesk::platform::win32
