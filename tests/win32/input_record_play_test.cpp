// Real input through the recorder's platform hooks: keys sent with SendInput
// are recorded into a record file, and the file is played back into a
// focused window, which must see the same keys in the same order.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/prompt.h"
#include "platform/win32/win32_system.h"
#include "recorder/record_file.h"
#include "recorder/recorder.h"
#include "recorder/recorder_view.h"
#include "temp_folder.h"
#include "test_windows.h"

namespace vesk::test {
namespace {

using platform::JournalEvent;

struct Key {
    WORD virtualKey;
    bool extended;
};

// Letters, and an arrow key to carry the extended-key flag through.
constexpr Key kTypedKeys[] = {{'V', false}, {'E', false}, {'S', false}, {'K', false}, {VK_RIGHT, true}};

// A key message as a window or a record file sees it.
struct KeyStroke {
    UINT message;
    WORD virtualKey;
    bool extended;
    bool operator==(const KeyStroke&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KeyStroke& stroke) {
    return out << (stroke.message == WM_KEYDOWN ? "down " : stroke.message == WM_KEYUP ? "up " : "other ")
               << stroke.virtualKey << (stroke.extended ? " extended" : "");
}

std::vector<KeyStroke> ExpectedStrokes() {
    std::vector<KeyStroke> strokes;
    for (const Key& key : kTypedKeys) {
        strokes.push_back({WM_KEYDOWN, key.virtualKey, key.extended});
        strokes.push_back({WM_KEYUP, key.virtualKey, key.extended});
    }
    return strokes;
}

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

void SendKey(const Key& key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key.virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key.virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (key.extended ? KEYEVENTF_EXTENDEDKEY : 0);
    ASSERT_EQ(SendInput(1, &input, sizeof(input)), 1u) << "SendInput error " << GetLastError();
}

// Absolute SendInput coordinates span 0..65535 over the virtual screen.
void SendMouseMove(POINT screen) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = ((screen.x - left) * 65536 + width - 1) / width;
    input.mi.dy = ((screen.y - top) * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    ASSERT_EQ(SendInput(1, &input, sizeof(input)), 1u) << "SendInput error " << GetLastError();
}

// Appends every captured event to a record file, as the recorder does.
class RecordFileHandler : public platform::RecordHookHandler {
public:
    explicit RecordFileHandler(std::unique_ptr<platform::OutputFile> file) : writer_(std::move(file)) {}
    void OnRecordHook(int code, const JournalEvent& event) override {
        if (code != platform::kHookAction) return;
        writer_.Append(event);
        last = event;
    }
    std::optional<JournalEvent> last;

private:
    recorder::RecordWriter writer_;
};

// Keeps the key messages a window receives.
LRESULT CALLBACK LogKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        if (auto* log = reinterpret_cast<std::vector<KeyStroke>*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            constexpr LPARAM kExtendedBit = 1 << 24;
            log->push_back({message, static_cast<WORD>(wParam), (lParam & kExtendedBit) != 0});
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class AnswerOk : public engine::Prompt {
public:
    engine::PromptResult Ask(const std::string& message, bool, const std::string&) override {
        messages.push_back(message);
        return engine::PromptResult::Ok;
    }
    bool ShowWithNextTimeBox(const std::string&, bool ticked) override { return ticked; }
    std::vector<std::string> messages;
};

// The main window's part: captions, the chosen file, and the record-done
// message handled at once.
class MainWindowStandIn : public recorder::RecorderView {
public:
    explicit MainWindowStandIn(std::string file) : file_(std::move(file)) {}
    std::string RecordCaption() override { return recordCaption; }
    void SetRecordCaptions(const std::string& label, const std::string&) override { recordCaption = label; }
    std::string PlayCaption() override { return playCaption; }
    void SetPlayCaptions(const std::string& label, const std::string&) override { playCaption = label; }
    std::optional<std::string> ChooseFileToRecord() override { return file_; }
    std::optional<std::string> ChooseFileToPlay() override { return file_; }
    void HideMainWindow() override {}
    void SendRecordDone() override {
        done = true;
        if (recorder != nullptr) recorder->RecordDone();
    }

    std::string recordCaption = recorder::kRecordIdle;
    std::string playCaption = recorder::kPlayIdle;
    recorder::Recorder* recorder = nullptr;
    bool done = false;

private:
    std::string file_;
};

class InputRecordPlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetWindowLongPtrW(target.hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&received));
        SetForegroundWindow(target.hwnd());
        SetFocus(target.hwnd());
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == target.hwnd(); }))
            << "the test window did not become the foreground window";
        RECT frame{};
        GetWindowRect(target.hwnd(), &frame);
        pointerSpot = {frame.left + 60, frame.top + 50};
    }
    void TearDown() override { SetWindowLongPtrW(target.hwnd(), GWLP_USERDATA, 0); }

    // Records the typed keys, then a pointer move, into recordPath.
    void RecordTypedKeys() {
        // The system reports no move to where the pointer already is.
        SetCursorPos(pointerSpot.x - 30, pointerSpot.y - 20);
        RecordFileHandler handler(system.services().files.Create(recordPath));
        const auto hook = hooks.InstallRecordHook(handler);
        ASSERT_NE(hook, 0u) << "the record hook could not be installed, error " << GetLastError();
        for (const Key& key : kTypedKeys) {
            SendKey(key, false);
            SendKey(key, true);
        }
        SendMouseMove(pointerSpot);
        const bool sawMove = WaitFor([&] { return handler.last && handler.last->message == WM_MOUSEMOVE; });
        hooks.Remove(hook);
        ASSERT_TRUE(sawMove) << "the pointer move never reached the record hook";
    }

    std::vector<JournalEvent> ReadRecords() {
        const auto bytes = system.services().files.ReadAll(recordPath);
        EXPECT_TRUE(bytes);
        if (!bytes) return {};
        EXPECT_EQ(bytes->size() % recorder::kRecordSize, 0u) << "a partial record in " << bytes->size() << " bytes";
        std::vector<JournalEvent> events(bytes->size() / recorder::kRecordSize);
        for (std::size_t i = 0; i < events.size(); ++i) {
            recorder::DecodeRecord(bytes->data() + i * recorder::kRecordSize, recorder::kRecordSize, events[i]);
        }
        return events;
    }

    platform::win32::Win32System system;
    platform::InputHooks& hooks = system.services().hooks;
    TempFolder folder{"record"};
    const std::string recordPath = folder.In("keys.RKM");
    TestWindowClass windowClass{L"VeskRecordPlayTarget", LogKeys};
    TestWindow target{windowClass, L"Vesk playback target", true};
    std::vector<KeyStroke> received;
    POINT pointerSpot{};
};

// Input from outside the program: X key events made by xdotool on the test
// session's display reach the record hook like a user's typing.
TEST_F(InputRecordPlayTest, KeysTypedThroughTheDisplayAreRecorded) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    wchar_t command[] = L"Z:\\usr\\bin\\xdotool key --delay 40 v e s k";
    RecordFileHandler handler(system.services().files.Create(recordPath));
    const auto hook = hooks.InstallRecordHook(handler);
    ASSERT_NE(hook, 0u);
    // Wine starts Unix programs through CreateProcess; elsewhere there is no
    // xdotool and the test has nothing to drive.
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        hooks.Remove(hook);
        GTEST_SKIP() << "xdotool cannot be started here";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    WaitFor([&] { return handler.last && handler.last->message == WM_KEYUP && (handler.last->paramL & 0xFF) == 'K'; },
            5000);
    hooks.Remove(hook);

    std::vector<KeyStroke> recorded;
    for (const JournalEvent& e : ReadRecords()) {
        if (IsKeyMessage(e.message)) recorded.push_back({e.message, static_cast<WORD>(e.paramL & 0xFF), false});
    }
    const std::vector<KeyStroke> expected = {{WM_KEYDOWN, 'V', false}, {WM_KEYUP, 'V', false},
                                             {WM_KEYDOWN, 'E', false}, {WM_KEYUP, 'E', false},
                                             {WM_KEYDOWN, 'S', false}, {WM_KEYUP, 'S', false},
                                             {WM_KEYDOWN, 'K', false}, {WM_KEYUP, 'K', false}};
    EXPECT_EQ(recorded, expected);
}

TEST_F(InputRecordPlayTest, RecordFileHoldsTheTypedKeysInOrder) {
    ASSERT_NO_FATAL_FAILURE(RecordTypedKeys());
    const std::vector<JournalEvent> events = ReadRecords();

    std::vector<KeyStroke> recorded;
    for (const JournalEvent& event : events) {
        if (IsKeyMessage(event.message)) {
            recorded.push_back({event.message, static_cast<WORD>(event.paramL & 0xFF), (event.paramH & 0x8000) != 0});
        }
    }
    EXPECT_EQ(recorded, ExpectedStrokes());
    for (std::size_t i = 1; i < events.size(); ++i) {
        EXPECT_LE(events[i - 1].time, events[i].time) << "record " << i;
    }
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().message, static_cast<std::uint32_t>(WM_MOUSEMOVE));
    EXPECT_NEAR(static_cast<std::int32_t>(events.back().paramL), pointerSpot.x, 1);
    EXPECT_NEAR(static_cast<std::int32_t>(events.back().paramH), pointerSpot.y, 1);
}

TEST_F(InputRecordPlayTest, PlaybackTypesTheRecordedKeysIntoTheFocusedWindow) {
    ASSERT_NO_FATAL_FAILURE(RecordTypedKeys());
    PumpPendingMessages();
    received.clear();  // the keys typed while recording

    engine::TControlDesktop state;
    state.RecordHint = false;
    AnswerOk prompt;
    MainWindowStandIn mainWindow(recordPath);
    recorder::Recorder recorder(state, system.services(), prompt, mainWindow);
    mainWindow.recorder = &recorder;

    recorder.PlayCommand();
    ASSERT_EQ(mainWindow.playCaption, recorder::kPlayRunning)
        << (prompt.messages.empty() ? std::string("no message") : prompt.messages.back());
    const bool ended = WaitFor([&] { return mainWindow.done; }, 10000);
    if (!ended) recorder.StopHook();
    ASSERT_TRUE(ended) << "playback did not reach the end of the file";

    // The last record, the pointer move, is read but never played.
    EXPECT_EQ(received, ExpectedStrokes());
    EXPECT_EQ(mainWindow.playCaption, recorder::kPlayIdle);
    EXPECT_FALSE(recorder.HookInstalled());
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace vesk::test
