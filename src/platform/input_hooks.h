#pragma once
#include <cstdint>

namespace vesk::platform {

// One input event as the system's journal hooks exchange it (EVENTMSG):
// five 32-bit words.
struct JournalEvent {
    std::uint32_t message = 0;
    std::uint32_t paramL = 0;
    std::uint32_t paramH = 0;
    std::uint32_t time = 0;  // milliseconds since the recording system started
    std::uint32_t hwnd = 0;
};

// Hook codes the handlers receive.
inline constexpr int kHookAction = 0;
inline constexpr int kHookGetNext = 1;
inline constexpr int kHookSkip = 2;
inline constexpr int kHookSysModalOn = 4;
inline constexpr int kHookSysModalOff = 5;

class RecordHookHandler {
public:
    virtual ~RecordHookHandler() = default;
    // kHookAction with the captured event, or a system-modal notification.
    // Must return quickly: the system drops slow low-level hooks.
    virtual void OnRecordHook(int code, const JournalEvent& event) = 0;
};

class PlaybackHookHandler {
public:
    virtual ~PlaybackHookHandler() = default;
    // kHookGetNext: fill event, return the pause before it in milliseconds;
    // kHookSkip: move on to the next event; system-modal notifications.
    virtual std::int32_t OnPlaybackHook(int code, JournalEvent& event) = 0;
};

// The hotkey that still reaches the system while a playback holds the
// user's own input off, so that the user can always stop it.
struct StopChord {
    int modifiers = 0;   // kModAlt | kModCtrl bits
    int virtualKey = 0;  // 0: no such hotkey, and the user's input is not held off
    bool operator==(const StopChord&) const = default;
};

// System-wide input capture and injection. Handlers are called on the thread
// that installed the hook, between its messages.
class InputHooks {
public:
    using HookId = std::uintptr_t;  // 0: not installed
    virtual ~InputHooks() = default;
    virtual HookId InstallRecordHook(RecordHookHandler& handler) = 0;
    // The user's keyboard and mouse input is held off until the playback is
    // removed, except the keys of `stop`. Every key and button the playback
    // pressed is released when it is removed.
    virtual HookId InstallPlaybackHook(PlaybackHookHandler& handler, const StopChord& stop) = 0;
    virtual void Remove(HookId hook) = 0;
};

}  // namespace vesk::platform
