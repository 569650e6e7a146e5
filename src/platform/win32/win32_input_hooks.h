#pragma once
#include <memory>

#include "platform/input_hooks.h"

namespace vesk::platform::win32 {

class InputRecording;
class InputPlayback;

// At most one recording and one playback at a time; a second install of the
// same kind fails (returns 0) until the first is removed. Install and remove
// on the thread that runs the program's message loop.
class Win32InputHooks final : public InputHooks {
public:
    Win32InputHooks();
    ~Win32InputHooks() override;
    HookId InstallRecordHook(RecordHookHandler& handler) override;
    HookId InstallPlaybackHook(PlaybackHookHandler& handler, const StopChord& stop) override;
    // Unknown ids (and 0) are ignored; callable from inside a handler.
    void Remove(HookId hook) override;

private:
    std::unique_ptr<InputRecording> recording_;
    std::unique_ptr<InputPlayback> playback_;
};

}  // namespace vesk::platform::win32
