#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32_system.h"
#include "test_windows.h"

namespace vesk::test {
namespace {

using platform::InputHooks;
using platform::JournalEvent;

// Keys nothing else reacts to.
constexpr WORD kRecordKey = VK_F23;
constexpr WORD kPlayKey = VK_F22;
constexpr WORD kStopKey = VK_F21;
constexpr WORD kHeldKey = VK_F24;

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

class RecordingHandler : public platform::RecordHookHandler {
public:
    void OnRecordHook(int code, const JournalEvent& event) override {
        if (code != platform::kHookAction) return;
        events.push_back(event);
        if (removeFrom != nullptr) removeFrom->Remove(id);
    }
    bool SawKey(UINT message, WORD key) const {
        for (const JournalEvent& event : events) {
            if (event.message == message && (event.paramL & 0xFF) == key) return true;
        }
        return false;
    }

    std::vector<JournalEvent> events;
    InputHooks* removeFrom = nullptr;  // set: remove the hook on the first event
    InputHooks::HookId id = 0;
};

// Hands out a fixed list of events the way the recorder does: each kHookSkip
// moves to the next, and the hook is removed once the list is used up.
class ScriptedPlayback : public platform::PlaybackHookHandler {
public:
    struct Step {
        JournalEvent event;
        std::int32_t pause = 0;  // milliseconds before the event
    };

    ScriptedPlayback(InputHooks& hooks, std::vector<Step> steps)
        : hooks_(hooks), steps_(std::move(steps)) {}

    std::int32_t OnPlaybackHook(int code, JournalEvent& event) override {
        codes.push_back(code);
        if (code == platform::kHookGetNext) {
            if (next_ == 0) return 0;  // asked before the first skip: nothing to give
            event = steps_[next_ - 1].event;
            return steps_[next_ - 1].pause;
        }
        if (code == platform::kHookSkip && ++next_ > steps_.size()) {
            hooks_.Remove(id);
            finished = true;
        }
        return 0;
    }

    InputHooks::HookId id = 0;
    std::vector<int> codes;
    bool finished = false;

private:
    InputHooks& hooks_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

class InputHooksTest : public ::testing::Test {
protected:
    platform::win32::Win32System system;
    InputHooks& hooks = system.services().hooks;
};

TEST_F(InputHooksTest, RecordingSeesInputUntilRemoved) {
    RecordingHandler handler;
    const auto id = hooks.InstallRecordHook(handler);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(hooks.InstallRecordHook(handler), 0u) << "one recording at a time";

    SendKey(kRecordKey, false);
    SendKey(kRecordKey, true);
    ASSERT_TRUE(WaitFor([&] { return handler.SawKey(WM_KEYUP, kRecordKey); }));
    EXPECT_TRUE(handler.SawKey(WM_KEYDOWN, kRecordKey));

    hooks.Remove(id);
    handler.events.clear();
    SendKey(kRecordKey, false);
    SendKey(kRecordKey, true);
    WaitFor([] { return false; }, 200);
    EXPECT_TRUE(handler.events.empty());

    const auto again = hooks.InstallRecordHook(handler);
    EXPECT_NE(again, 0u) << "removal frees the slot";
    hooks.Remove(again);
}

TEST_F(InputHooksTest, HandlerMayRemoveItsOwnRecording) {
    RecordingHandler handler;
    handler.removeFrom = &hooks;
    handler.id = hooks.InstallRecordHook(handler);
    ASSERT_NE(handler.id, 0u);

    SendKey(kRecordKey, false);
    SendKey(kRecordKey, true);
    ASSERT_TRUE(WaitFor([&] { return !handler.events.empty(); }));
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(handler.events.size(), 1u);
}

TEST_F(InputHooksTest, PlaybackReplaysWhatRecordingCaptures) {
    // Wine reports no move to where the pointer already is.
    SetCursorPos(20, 20);
    RecordingHandler recorded;
    const auto recordId = hooks.InstallRecordHook(recorded);
    ASSERT_NE(recordId, 0u);

    const UINT scan = MapVirtualKeyW(kPlayKey, MAPVK_VK_TO_VSC);
    const JournalEvent keyDown{WM_KEYDOWN, kPlayKey | (scan << 8), 1, 0, 0};
    const JournalEvent keyUp{WM_KEYUP, kPlayKey | (scan << 8), 1, 0, 0};
    const JournalEvent move{WM_MOUSEMOVE, 200, 100, 0, 0};
    ScriptedPlayback playback(hooks, {{keyDown, 0}, {keyUp, 0}, {move, 150}});
    playback.id = hooks.InstallPlaybackHook(playback, {0, kStopKey});
    ASSERT_NE(playback.id, 0u);
    EXPECT_TRUE(playback.codes.empty()) << "no handler call before the next message";
    EXPECT_EQ(hooks.InstallPlaybackHook(playback, {}), 0u) << "one playback at a time";
    // The user's own keys are held off while it plays, all but the stop key.
    for (WORD key : {kRecordKey, kStopKey}) {
        SendKey(key, false);
        SendKey(key, true);
    }

    ASSERT_TRUE(WaitFor([&] { return playback.finished; }));
    ASSERT_TRUE(WaitFor([&] { return recorded.events.size() >= 3; }));
    hooks.Remove(recordId);

    const std::vector<int> rhythm = {2, 1, 2, 1, 2, 1, 2};  // Skip, GetNext, Skip, ...
    EXPECT_EQ(playback.codes, rhythm);

    EXPECT_FALSE(recorded.SawKey(WM_KEYDOWN, kRecordKey)) << "the user's key reached the system";
    EXPECT_TRUE(recorded.SawKey(WM_KEYDOWN, kStopKey) && recorded.SawKey(WM_KEYUP, kStopKey));
    std::erase_if(recorded.events, [](const JournalEvent& e) { return (e.paramL & 0xFF) == kStopKey; });
    ASSERT_EQ(recorded.events.size(), 3u);
    EXPECT_EQ(recorded.events[0].message, keyDown.message);
    EXPECT_EQ(recorded.events[0].paramL, keyDown.paramL);
    EXPECT_EQ(recorded.events[1].message, keyUp.message);
    EXPECT_EQ(recorded.events[1].paramL, keyUp.paramL);
    EXPECT_EQ(recorded.events[2].message, move.message);
    EXPECT_EQ(recorded.events[2].paramL, move.paramL);
    EXPECT_EQ(recorded.events[2].paramH, move.paramH);
    EXPECT_GE(recorded.events[2].time - recorded.events[1].time, 120u) << "the pause was kept";
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 200);
    EXPECT_EQ(cursor.y, 100);
}

TEST_F(InputHooksTest, RemovedPlaybackStopsCallingItsHandlerAndReleasesItsKeys) {
    // Never runs out: a key held down, then zero-pause moves, played as fast
    // as messages allow.
    std::vector<ScriptedPlayback::Step> steps(100000, {{WM_MOUSEMOVE, 5, 5, 0, 0}, 0});
    const UINT scan = MapVirtualKeyW(kHeldKey, MAPVK_VK_TO_VSC);
    steps.front() = {{WM_KEYDOWN, kHeldKey | (scan << 8), 1, 0, 0}, 0};
    ScriptedPlayback playback(hooks, steps);
    playback.id = hooks.InstallPlaybackHook(playback, {});
    ASSERT_NE(playback.id, 0u);
    // One message at a time: a zero-pause playback always has its next step
    // queued, so emptying the queue would play the whole list.
    MSG message;
    const auto held = [] { return (GetAsyncKeyState(kHeldKey) & 0x8000) != 0; };
    for (int i = 0; i < 5000 && (playback.codes.size() < 6 || !held()); ++i) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        } else {
            Sleep(1);
        }
    }
    ASSERT_GE(playback.codes.size(), 6u);
    EXPECT_TRUE(held()) << "the key was never played";

    hooks.Remove(playback.id);
    EXPECT_TRUE(WaitFor([&] { return !held(); })) << "the key stays down";
    const std::size_t calls = playback.codes.size();
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(playback.codes.size(), calls);
    hooks.Remove(playback.id);  // a second removal is harmless
    hooks.Remove(0);
}

}  // namespace
}  // namespace vesk::test
