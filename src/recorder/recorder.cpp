#include "recorder/recorder.h"

#include "engine/hotkey_gate.h"
#include "engine/hotkeys.h"

namespace vesk::recorder {
using engine::GateClosed;

namespace {

constexpr const char* kStopFirst = "Please Stop Recording first!";
constexpr const char* kHint =
    "Click This Button or Press HotKey to Start\r\nAfter closing this dialog. HotKey See[Options]";

void Inform(engine::Prompt& prompt, const char* message) { prompt.Ask(message, false, {}); }

}  // namespace

Recorder::Recorder(engine::TControlDesktop& state, platform::Services& system, engine::Prompt& prompt,
                   RecorderView& view)
    : state_(state), system_(system), prompt_(prompt), view_(view) {}

void Recorder::RecordCommand() {
    GateClosed gate(state_);
    const std::string caption = view_.RecordCaption();
    if (caption == kRecordIdle) StartArming();
    else if (caption == kRecordArmed) BeginRecording();
    else if (caption == kRecordRunning) StopRecordingByCommand();
}

void Recorder::PlayCommand() {
    GateClosed gate(state_);
    const std::string caption = view_.PlayCaption();
    if (caption == kPlayIdle) StartPlayback();
    else if (caption == kPlayRunning) StopHook();
}

void Recorder::StartArming() {
    if (HookInstalled()) return Inform(prompt_, kStopFirst);
    const auto path = view_.ChooseFileToRecord();
    if (!path) return;
    auto file = system_.files.Create(*path);
    if (!file) return Inform(prompt_, "Can not create the record file!");
    writer_.emplace(std::move(file));
    view_.SetRecordCaptions(kRecordArmed, kRecordArmed);
    ShowHintIfWanted();
    view_.HideMainWindow();
}

void Recorder::BeginRecording() {
    // Reachable only when playback was started while armed: the playback
    // must end before the recording can start.
    if (HookInstalled()) return Inform(prompt_, kStopFirst);
    hookActive_ = true;
    trim_ = RecordTrim{};
    hook_ = system_.hooks.InstallRecordHook(*this);
    if (hook_) {
        view_.SetRecordCaptions(kRecordRunning, kRecordRunning);
        return;
    }
    Inform(prompt_, "Can not open hook channel!");
    writer_.reset();
    view_.SetRecordCaptions(kRecordIdle, kRecordIdleMenu);
}

void Recorder::StartPlayback() {
    if (HookInstalled()) return Inform(prompt_, kStopFirst);
    const auto path = view_.ChooseFileToPlay();
    if (!path) return;
    ShowHintIfWanted();
    view_.HideMainWindow();
    PlayFile(*path, true);
}

bool Recorder::PlayFile(const std::string& path, bool tellUser) {
    // Opened before the hook goes in, so a locked or vanished file never
    // leaves a hook running without a file.
    auto file = system_.files.OpenForReading(path);
    if (!file) {
        if (tellUser) Inform(prompt_, "Can not open the record file!");
        return false;
    }
    reader_.emplace(std::move(file));
    hookActive_ = true;
    previousTime_ = 0;
    hook_ = system_.hooks.InstallPlaybackHook(*this, PlaybackStopChord());
    if (!hook_) {
        reader_.reset();
        Inform(prompt_, "Can not open Hook Channel!");
        return false;
    }
    view_.SetPlayCaptions(kPlayRunning, kPlayRunning);
    return true;
}

// The command line's way in: a second start names the file, so neither the
// file dialog nor the hint comes up, and a recording begins at once.
bool Recorder::RecordInto(const std::string& path) {
    if (HookInstalled() || view_.RecordCaption() != kRecordIdle || view_.PlayCaption() != kPlayIdle) return false;
    auto file = system_.files.Create(path);
    if (!file) return false;
    GateClosed gate(state_);
    writer_.emplace(std::move(file));
    BeginRecording();
    return HookInstalled();
}

bool Recorder::PlayFrom(const std::string& path) {
    if (HookInstalled() || view_.RecordCaption() != kRecordIdle || view_.PlayCaption() != kPlayIdle) return false;
    GateClosed gate(state_);
    return PlayFile(path, false);
}

// With the play hotkey taken by another program, the user's input is not
// held off: the tray menu must stay within reach to stop the playback.
platform::StopChord Recorder::PlaybackStopChord() const {
    if (state_.HotkeyConflicts[engine::kPlayHotkeyGroup]) return {};
    const engine::HotkeyCode play = engine::LiveHotkeys(state_).play;
    return {play.modifier, play.key};
}

void Recorder::StopRecordingByCommand() {
    if (HookInstalled() && writer_ && !reader_) writer_->CutTo(trim_.EndForStopCommand(writer_->size()));
    StopHook();
}

bool Recorder::ShowHintIfWanted() {
    if (!state_.RecordHint) return false;
    state_.RecordHint = prompt_.ShowWithNextTimeBox(kHint, true);
    return true;
}

void Recorder::StopHook() {
    if (!HookInstalled()) return;
    system_.hooks.Remove(hook_);
    hook_ = 0;
    // A writer next to a reader is an armed recording that never began.
    if (writer_ && !reader_) writer_->CutTo(trim_.EndForStop(writer_->size()));
    writer_.reset();
    reader_.reset();
    state_.HotkeyGate = true;
    view_.SendRecordDone();
}

void Recorder::RecordDone() {
    view_.SetPlayCaptions(kPlayIdle, kPlayIdle);
    view_.SetRecordCaptions(kRecordIdle, kRecordIdleMenu);
}

void Recorder::OnRecordHook(int code, const platform::JournalEvent& event) {
    if (code == platform::kHookSysModalOn) hookActive_ = false;
    else if (code == platform::kHookSysModalOff) hookActive_ = true;
    if (code != platform::kHookAction || !hookActive_ || !writer_) return;
    if (!trim_.Keep(event, writer_->size())) return;
    writer_->Append(event);
    const std::uint64_t limit = std::uint64_t(std::max<std::int64_t>(state_.MaxSize, 0)) * 1024;
    if (writer_->size() >= limit) StopHook();
}

std::int32_t Recorder::OnPlaybackHook(int code, platform::JournalEvent& event) {
    std::int32_t pause = 0;
    if (code == platform::kHookGetNext) {
        if (hookActive_) {
            if (eventFresh_) {
                eventFresh_ = false;
                // Modulo 2^32, so a clock that wrapped still gives the true pause.
                if (previousTime_ != 0) pause = static_cast<std::int32_t>(currentEvent_.time - previousTime_);
                previousTime_ = currentEvent_.time;
            }
            event = currentEvent_;
        }
    } else if (code == platform::kHookSkip) {
        if (reader_ && !reader_->AtEnd()) {
            reader_->ReadNext(currentEvent_);
            eventFresh_ = true;
        } else {
            StopHook();
        }
    } else if (code == platform::kHookSysModalOn) {
        hookActive_ = false;
    } else if (code == platform::kHookSysModalOff) {
        hookActive_ = true;
    }
    // The record read last is never handed out: playback ends as soon as the
    // file has been read to its end.
    if (reader_ && reader_->AtEnd()) StopHook();
    return pause;
}

}  // namespace vesk::recorder
