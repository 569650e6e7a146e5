#include <gtest/gtest.h>

#include "fake_prompt.h"
#include "platform/sim/sim_system.h"
#include "engine/hotkeys.h"
#include "recorder/recorder.h"

namespace vesk::recorder {
namespace {

using platform::JournalEvent;
using platform::kHookAction;
using platform::kHookGetNext;
using platform::kHookSkip;
using Bytes = std::vector<std::uint8_t>;

const std::string kFile = "C:\\records\\macro.RKM";

class FakeRecorderView : public RecorderView {
public:
    std::string RecordCaption() override { return label1; }
    void SetRecordCaptions(const std::string& label, const std::string& menu) override { label1 = label, menuRecord = menu; }
    std::string PlayCaption() override { return label2; }
    void SetPlayCaptions(const std::string& label, const std::string& menu) override { label2 = label, menuLoad = menu; }
    std::optional<std::string> ChooseFileToRecord() override { return chosen; }
    std::optional<std::string> ChooseFileToPlay() override { return chosen; }
    void HideMainWindow() override { ++hides; }
    void SendRecordDone() override {
        ++recordDone;
        recorder->RecordDone();
    }

    Recorder* recorder = nullptr;
    std::optional<std::string> chosen = kFile;
    std::string label1 = "Record", menuRecord = "Record KMEvent", label2 = "Load Record", menuLoad = "Load Record";
    int hides = 0, recordDone = 0;
};

constexpr std::uint32_t kMove = 0x200;
JournalEvent Event(std::uint32_t time, std::uint32_t message = kMove) { return {message, 65, 30, time, 0x1234}; }

Bytes Records(const std::vector<JournalEvent>& events) {
    Bytes bytes;
    for (const auto& e : events) {
        const auto r = EncodeRecord(e);
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    return bytes;
}

Bytes RecordsWithTimes(std::initializer_list<std::uint32_t> times) {
    std::vector<JournalEvent> events;
    for (auto t : times) events.push_back(Event(t));
    return Records(events);
}

class Recording : public ::testing::Test {
protected:
    Recording() { view.recorder = &recorder; }
    // What the system does while playing: skip to the next event, then ask
    // for it; returns the pauses handed out.
    std::vector<std::int32_t> Play() {
        std::vector<std::int32_t> pauses;
        for (int guard = 0; sim.hooks.playback && guard < 1000; ++guard) {
            JournalEvent e;
            sim.hooks.playback->OnPlaybackHook(kHookSkip, e);
            if (!sim.hooks.playback) break;
            pauses.push_back(sim.hooks.playback->OnPlaybackHook(kHookGetNext, e));
        }
        return pauses;
    }

    platform::sim::SimSystem sim;
    platform::Services services = sim.services();
    engine::TControlDesktop state;
    testing::FakePrompt prompt;
    FakeRecorderView view;
    Recorder recorder{state, services, prompt, view};
};

TEST_F(Recording, ArmRecordAndStopLeaveWholeRecordsInTheFile) {
    recorder.RecordCommand();
    EXPECT_EQ(view.label1, "Begin Record");
    EXPECT_EQ(view.menuRecord, "Begin Record");
    EXPECT_EQ(view.hides, 1);
    EXPECT_EQ(sim.files.Size(kFile), 0u) << "created empty when chosen";
    ASSERT_EQ(prompt.asked.size(), 1u) << "the hint";
    EXPECT_TRUE(state.HotkeyGate);

    recorder.RecordCommand();
    EXPECT_EQ(view.label1, "Stop Record");
    ASSERT_TRUE(sim.hooks.record);
    for (std::uint32_t t = 1; t <= 3; ++t) sim.hooks.record->OnRecordHook(kHookAction, Event(t * 10));
    sim.hooks.record->OnRecordHook(platform::kHookSysModalOn, {});
    sim.hooks.record->OnRecordHook(kHookAction, Event(99));  // a system-modal dialog: not recorded
    sim.hooks.record->OnRecordHook(platform::kHookSysModalOff, {});
    EXPECT_EQ(sim.files.writeCalls, 3) << "one write per event";

    recorder.RecordCommand();
    EXPECT_FALSE(sim.hooks.Installed());
    EXPECT_EQ(view.label1, "Record");
    EXPECT_EQ(view.menuRecord, "Record KMEvent");
    EXPECT_EQ(*sim.files.ReadAll(kFile), RecordsWithTimes({10, 20, 30}));
}

// Keys as the journal layout carries them: the message and the virtual key.
JournalEvent Key(std::uint32_t message, std::uint32_t key) { return {message, key, 1, 0, 0}; }
constexpr std::uint32_t kDown = 0x100, kUp = 0x101, kCtrl = 0x11, kShift = 0x10, kF12 = 0x7B;
const JournalEvent kCtrlDown = Key(kDown, kCtrl), kCtrlUp = Key(kUp, kCtrl), kF12Down = Key(kDown, kF12),
                   kF12Up = Key(kUp, kF12), kADown = Key(kDown, 'A'), kAUp = Key(kUp, 'A'),
                   kShiftDown = Key(kDown, kShift), kMoved = {kMove, 5, 6, 0, 0},
                   kRightDown = {0x204, 9, 9, 0, 0}, kRightUp = {0x205, 9, 9, 0, 0},
                   kLeftDown = {0x201, 7, 7, 0, 0}, kLeftUp = {0x202, 7, 7, 0, 0};

TEST_F(Recording, TheChordsThatStartAndStopARecordingAreNotInIt) {
    state.RecordHint = false;
    const auto record = [&](std::initializer_list<JournalEvent> events) {
        for (const auto& e : events) sim.hooks.record->OnRecordHook(kHookAction, e);
    };
    const auto begin = [&] {
        recorder.RecordCommand();
        recorder.RecordCommand();
        ASSERT_TRUE(sim.hooks.record);
    };

    // The record hotkey: its releases come after the start, its presses
    // (with a move among them) before the stop; Shift was pressed inside
    // the recording and stays in it, still held.
    begin();
    record({kF12Up, kCtrlUp, kShiftDown, kADown, kAUp, kMoved, kCtrlDown, kMoved, kCtrlDown, kF12Down});
    recorder.RecordCommand();
    EXPECT_EQ(*sim.files.ReadAll(kFile), Records({kShiftDown, kADown, kAUp, kMoved}));

    // The tray menu: the click that opened it and everything in the menu.
    begin();
    record({kADown, kAUp, kRightDown});
    {
        Recorder::CommandGesture gesture(recorder);
        record({kRightUp, kMoved, kLeftDown, kLeftUp});
        recorder.RecordCommand();
    }
    EXPECT_EQ(*sim.files.ReadAll(kFile), Records({kADown, kAUp}));

    // A menu closed without a command leaves its clicks in; a recording
    // that ends at its size limit keeps the presses it ends with.
    begin();
    record({kRightDown});
    { Recorder::CommandGesture gesture(recorder); }
    record({kRightUp, kCtrlDown, kF12Down});
    recorder.RecordCommand();
    EXPECT_EQ(*sim.files.ReadAll(kFile), Records({kRightDown, kRightUp}));
    state.MaxSize = 1;
    begin();
    while (sim.hooks.record) record({kADown});
    EXPECT_EQ(sim.files.Size(kFile), 1040u);
}

TEST_F(Recording, SizeLimitStopsAtTheFirstWholeRecordThatReachesIt) {
    state.MaxSize = 1;
    state.RecordHint = false;
    recorder.RecordCommand();
    recorder.RecordCommand();
    int events = 0;
    while (sim.hooks.record && events < 100) sim.hooks.record->OnRecordHook(kHookAction, Event(++events));
    EXPECT_EQ(events, 52);
    EXPECT_EQ(sim.files.Size(kFile), 1040u);
    EXPECT_EQ(view.recordDone, 1);
    EXPECT_TRUE(prompt.asked.empty()) << "no hint when switched off";
}

TEST_F(Recording, UntickingTheHintTurnsItOff) {
    prompt.untickNextTimeBox = true;
    recorder.RecordCommand();
    EXPECT_FALSE(state.RecordHint);
}

TEST_F(Recording, OneHookAtATime) {
    sim.files.Put(kFile, RecordsWithTimes({1, 2, 3}));
    recorder.PlayCommand();
    ASSERT_TRUE(sim.hooks.playback);
    recorder.RecordCommand();
    EXPECT_EQ(prompt.asked.back().message, "Please Stop Recording first!");
    EXPECT_TRUE(sim.hooks.playback) << "playback goes on";
    recorder.PlayCommand();  // "Stop Play"
    EXPECT_FALSE(sim.hooks.Installed());
    EXPECT_EQ(view.label2, "Load Record");

    recorder.RecordCommand();
    recorder.RecordCommand();
    recorder.PlayCommand();
    EXPECT_EQ(prompt.asked.back().message, "Please Stop Recording first!");
    EXPECT_TRUE(sim.hooks.record);
}

TEST_F(Recording, RefusedHooksAreReportedAndNothingKeepsRunning) {
    sim.hooks.refuseInstall = true;
    state.RecordHint = false;
    recorder.RecordCommand();
    recorder.RecordCommand();
    EXPECT_EQ(prompt.asked.back().message, "Can not open hook channel!");
    EXPECT_EQ(view.label1, "Record");
    EXPECT_TRUE(sim.files.Exists(kFile)) << "the empty file stays";

    sim.files.Put(kFile, RecordsWithTimes({1}));
    recorder.PlayCommand();
    EXPECT_EQ(prompt.asked.back().message, "Can not open Hook Channel!");
    EXPECT_EQ(view.label2, "Load Record");

    sim.hooks.refuseInstall = false;
    sim.files.lockedPaths.insert("c:\\records\\macro.rkm");
    recorder.PlayCommand();
    EXPECT_FALSE(sim.hooks.Installed()) << "no hook without a file";
    view.chosen = std::nullopt;  // a cancelled dialog
    recorder.PlayCommand();
    recorder.RecordCommand();
    EXPECT_FALSE(sim.hooks.Installed());
    EXPECT_TRUE(state.HotkeyGate);
}

TEST_F(Recording, PlaybackHandsOutAllButTheLastRecordWithTheirPauses) {
    state.RecordHint = false;
    sim.files.Put(kFile, RecordsWithTimes({5000, 5100, 5400}));
    recorder.PlayCommand();
    EXPECT_EQ(view.label2, "Stop Play");
    EXPECT_EQ(sim.hooks.playbackStop, (platform::StopChord{3, 123})) << "the play hotkey stays usable";
    EXPECT_EQ(Play(), (std::vector<std::int32_t>{0, 100}));
    EXPECT_EQ(view.label2, "Load Record");
    EXPECT_EQ(view.recordDone, 1);

    // Time stamps that wrap past 2^32 still give the true pause, a zero time
    // gives no pause to the next record, and a partial record is never played.
    Bytes bytes = RecordsWithTimes({0xFFFFFF00, 0x40, 0, 700, 800});
    bytes.insert(bytes.end(), 7, 0xEE);
    sim.files.Put(kFile, bytes);
    state.HotkeyConflicts[engine::kPlayHotkeyGroup] = true;  // then nothing could stop it but the mouse
    recorder.PlayCommand();
    EXPECT_EQ(sim.hooks.playbackStop, platform::StopChord{});
    EXPECT_EQ(Play(), (std::vector<std::int32_t>{0, 0x140, std::int32_t(0u - 0x40), 0, 100}));
}

TEST_F(Recording, RepeatedRequestsForOneEventGiveNoSecondPause) {
    state.RecordHint = false;
    sim.files.Put(kFile, RecordsWithTimes({1000, 1250, 1300}));
    recorder.PlayCommand();
    JournalEvent e;
    auto* hook = sim.hooks.playback;
    hook->OnPlaybackHook(kHookSkip, e);
    hook->OnPlaybackHook(kHookGetNext, e);
    hook->OnPlaybackHook(kHookSkip, e);
    EXPECT_EQ(hook->OnPlaybackHook(kHookGetNext, e), 250);
    EXPECT_EQ(e.time, 1250u);
    EXPECT_EQ(e.paramL, 65u);
    EXPECT_EQ(hook->OnPlaybackHook(kHookGetNext, e), 0);
    EXPECT_EQ(e.time, 1250u);
}

TEST_F(Recording, EmptyFileEndsAtTheFirstHookCall) {
    state.RecordHint = false;
    sim.files.Put(kFile, {});
    recorder.PlayCommand();
    JournalEvent e;
    ASSERT_TRUE(sim.hooks.playback);
    sim.hooks.playback->OnPlaybackHook(kHookGetNext, e);
    EXPECT_FALSE(sim.hooks.Installed());
    EXPECT_EQ(view.label2, "Load Record");
}

// The record file is a file format shared by the PE32 and PE32+ programs,
// not the in-memory EVENTMSG (24 bytes in a 64-bit program): message,
// paramL, paramH, time, window, each 32-bit little-endian.
TEST(RecordEncoding, IsFiveLittleEndianWordsAndPartialDecodesKeepTheRest) {
    const auto bytes = EncodeRecord({0x04030201, 0x08070605, 0x0C0B0A09, 0x100F0E0D, 0x80001234});
    const std::array<std::uint8_t, 20> layout = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
                                                 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x34, 0x12, 0x00, 0x80};
    EXPECT_EQ(bytes, layout);
    JournalEvent e{1, 2, 3, 0xAABBCCDD, 5};
    DecodeRecord(bytes.data(), 13, e);
    EXPECT_EQ(e.message, 0x04030201u);
    EXPECT_EQ(e.paramH, 0x0C0B0A09u);
    EXPECT_EQ(e.time, 0xAABBCC0Du);
    EXPECT_EQ(e.hwnd, 5u);
}

}  // namespace
}  // namespace vesk::recorder
