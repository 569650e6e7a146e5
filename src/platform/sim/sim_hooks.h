#pragma once
#include "platform/input_hooks.h"

namespace vesk::platform::sim {

// One journal hook at a time, like the system's; tests call the installed
// handler to play the system's part.
class SimHooks : public InputHooks {
public:
    HookId InstallRecordHook(RecordHookHandler& handler) override {
        if (refuseInstall) return 0;
        record = &handler;
        playback = nullptr;
        return ++lastId;
    }
    HookId InstallPlaybackHook(PlaybackHookHandler& handler, const StopChord& stop) override {
        if (refuseInstall) return 0;
        playback = &handler;
        playbackStop = stop;
        record = nullptr;
        return ++lastId;
    }
    void Remove(HookId hook) override {
        if (hook == lastId) record = nullptr, playback = nullptr;
        ++removals;
    }
    bool Installed() const { return record || playback; }

    bool refuseInstall = false;
    RecordHookHandler* record = nullptr;
    PlaybackHookHandler* playback = nullptr;
    StopChord playbackStop;
    HookId lastId = 0;
    int removals = 0;
};

}  // namespace vesk::platform::sim
