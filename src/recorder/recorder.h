#pragma once
#include <optional>

#include "engine/control_desktop.h"
#include "engine/prompt.h"
#include "engine/recorder_commands.h"
#include "platform/services.h"
#include "recorder/record_file.h"
#include "recorder/record_trim.h"
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
class Recorder : public engine::RecorderCommands,
                 public platform::RecordHookHandler,
                 public platform::PlaybackHookHandler {
public:
    Recorder(engine::TControlDesktop& state, platform::Services& system, engine::Prompt& prompt,
             RecorderView& view);

    void RecordCommand() override;
    void PlayCommand() override;
    bool RecordInto(const std::string& path) override;
    bool PlayFrom(const std::string& path) override;
    // Removes whichever hook is installed, closes the file and tells the
    // main window. Does nothing while no hook is installed.
    void StopHook() override;
    // Back to idle captions; the WM_RECORDDONE handler.
    void RecordDone();
    bool HookInstalled() const override { return hook_ != 0; }
    // The file stays on disk, empty.
    void CloseArmedFile() override { writer_.reset(); }

    // Held while a command that came by the mouse (a label, the tray menu)
    // runs: a recording it stops ends before the click that began it.
    class CommandGesture {
    public:
        explicit CommandGesture(Recorder& recorder) : recorder_(recorder) { recorder_.trim_.BeginCommandGesture(); }
        ~CommandGesture() { recorder_.trim_.EndCommandGesture(); }
        CommandGesture(const CommandGesture&) = delete;
        CommandGesture& operator=(const CommandGesture&) = delete;

    private:
        Recorder& recorder_;
    };

    void OnRecordHook(int code, const platform::JournalEvent& event) override;
    std::int32_t OnPlaybackHook(int code, platform::JournalEvent& event) override;

private:
    void StartArming();
    void BeginRecording();
    void StartPlayback();
    // The playback's part after the file was chosen and the hint shown;
    // tellUser: a file that cannot be opened is reported in a prompt.
    bool PlayFile(const std::string& path, bool tellUser);
    void StopRecordingByCommand();
    bool ShowHintIfWanted();
    platform::StopChord PlaybackStopChord() const;

    engine::TControlDesktop& state_;
    platform::Services& system_;
    engine::Prompt& prompt_;
    RecorderView& view_;

    platform::InputHooks::HookId hook_ = 0;
    std::optional<RecordWriter> writer_;
    RecordTrim trim_;
    std::optional<RecordReader> reader_;
    RecordEvent currentEvent_;
    bool eventFresh_ = false;
    // False while a system-modal dialog is up. Only journal hooks are told
    // of those; the low-level hooks used since Vista never are, so on today's
    // Windows this stays true from the start of a recording or playback on.
    bool hookActive_ = false;
    std::uint32_t previousTime_ = 0;
};

}  // namespace vesk::recorder
