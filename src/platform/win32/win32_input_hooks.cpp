#include "platform/win32/win32_input_hooks.h"

#include "platform/win32/input_playback.h"
#include "platform/win32/input_recording.h"

namespace vesk::platform::win32 {
namespace {

template <typename T>
InputHooks::HookId IdOf(const std::unique_ptr<T>& hook) {
    return reinterpret_cast<InputHooks::HookId>(hook.get());
}

}  // namespace

Win32InputHooks::Win32InputHooks() = default;

Win32InputHooks::~Win32InputHooks() = default;

InputHooks::HookId Win32InputHooks::InstallRecordHook(RecordHookHandler& handler) {
    if (recording_) return 0;
    auto recording = std::make_unique<InputRecording>(handler);
    if (!recording->installed()) return 0;
    recording_ = std::move(recording);
    return IdOf(recording_);
}

InputHooks::HookId Win32InputHooks::InstallPlaybackHook(PlaybackHookHandler& handler, const StopChord& stop) {
    if (playback_) return 0;
    auto playback = std::make_unique<InputPlayback>(handler, stop);
    if (!playback->started()) return 0;
    playback_ = std::move(playback);
    return IdOf(playback_);
}

// reset() clears the member before the object dies, so a handler that calls
// Remove again from a destructor path finds nothing left to remove.
void Win32InputHooks::Remove(HookId hook) {
    if (hook == 0) return;
    if (hook == IdOf(recording_)) {
        recording_.reset();
    } else if (hook == IdOf(playback_)) {
        playback_.reset();
    }
}

}  // namespace vesk::platform::win32
