#pragma once
#include <optional>

#include "engine/control_desktop.h"
#include "engine/prompt.h"
#include "platform/services.h"
#include "recorder/record_file.h"
#include "recorder/recorder_view.h"

namespace vesk::recorder {

// Captions that carry the recorder's state.
inline constexpr const char* kRecordIdle = "Record";
inline constexpr const char* kRecordIdleMenu = "Record KMEvent";
inline constexpr const char* kRecordArmed = "Begin Record";
inline constexpr const char* kRecordRunning = "Stop Record";
inline constexpr const char* kPlayIdle = "Load Record";
inline constexpr const char* kPlayRunning = "Stop Play";

// Records the user's input into a record file and plays one back, driven by
// the record and play commands (labels, tray menu, hotkeys).
class Recorder : public platform::RecordHookHandler, public platform::PlaybackHookHandler {
public:
    Recorder(engine::TControlDesktop& state, platform::Services& system, engine::Prompt& prompt,
             RecorderView& view);

    void RecordCommand();
    void PlayCommand();
    // Removes whichever hook is installed, closes the file and tells the
    // main window. Does nothing while no hook is installed.
    void StopHook();
    // Back to idle captions; the WM_RECORDDONE handler.
    void RecordDone();
    bool HookInstalled() const { return hook_ != 0; }
    // At exit: a file created for a recording that never began is closed
    // (it stays on disk, empty).
    void CloseArmedFile() { writer_.reset(); }

    void OnRecordHook(int code, const platform::JournalEvent& event) override;
    std::int32_t OnPlaybackHook(int code, platform::JournalEvent& event) override;

private:
    void StartArming();
    void BeginRecording();
    void StartPlayback();
    bool ShowHintIfWanted();

    engine::TControlDesktop& state_;
    platform::Services& system_;
    engine::Prompt& prompt_;
    RecorderView& view_;

    platform::InputHooks::HookId hook_ = 0;
    std::optional<RecordWriter> writer_;
    std::optional<RecordReader> reader_;
    RecordEvent currentEvent_;
    bool eventFresh_ = false;
    bool hookActive_ = false;     // false while a system-modal dialog is up
    std::uint32_t previousTime_ = 0;
};

}  // namespace vesk::recorder
