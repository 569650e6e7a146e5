#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "desktop_test.h"
#include "platform/win32/utf.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

constexpr WORD kRecordKey = VK_F12;  // with Ctrl: the record command
constexpr WORD kPlayKey = VK_F12;    // with Ctrl+Alt: the play command
constexpr const wchar_t* kFileDialogClass = L"#32770";

std::wstring TempFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

// The message and virtual key of each record of the file (every record is a
// key here); an empty list for a missing file or a partial record.
std::vector<std::pair<UINT, int>> RecordedKeys(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::pair<UINT, int>> keys;
    if (bytes.size() % 20 != 0) return keys;
    for (std::size_t at = 0; at < bytes.size(); at += 20) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
        keys.emplace_back(byte(0) | byte(1) << 8, byte(4));
    }
    return keys;
}

bool AnyModifierDown() {
    for (int key : {VK_CONTROL, VK_MENU, VK_SHIFT, VK_LWIN, VK_RWIN}) {
        if (GetAsyncKeyState(key) & 0x8000) return true;
    }
    return false;
}

class RecordTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        GetCursorPos(&pointerBefore_);
    }
    // The pointer goes back out of the way: where a window appears or
    // vanishes under it, Wine re-reads the keyboard from X, and a later
    // test's hotkey pressed at that moment loses its injected modifiers.
    void TearDown() override {
        DesktopTest::TearDown();
        MoveMouseTo(pointerBefore_);
        DeleteFileW(path_.c_str());
    }
    const std::wstring path_ = TempFile(L"vesk-e2e.RKM");
    POINT pointerBefore_{};
};

TEST_F(RecordTest, RecordHotkeyArmsBeginsAndStopsARecordingOfWholeEvents) {
    DeleteFileW(path_.c_str());
    ASSERT_TRUE(Start(0));

    PressKey(kRecordKey, {VK_CONTROL});
    const HWND saveDialog = WaitForDialog(kFileDialogClass);
    ASSERT_NE(saveDialog, nullptr) << "Ctrl+F12 opened no save dialog";
    AnswerWithText(saveDialog, path_);
    const HWND hint = WaitForPrompt();
    ASSERT_NE(hint, nullptr) << "no hint before recording";
    AnswerWith(hint, VK_RETURN);
    EXPECT_TRUE(WaitUntilHidden(main_)) << "the main window stays while armed";
    ASSERT_TRUE(PollUntil([&] { return std::filesystem::exists(path_); }, kActionTimeout))
        << "arming created no record file";
    EXPECT_EQ(std::filesystem::file_size(path_), 0u);

    PressKey(kRecordKey, {VK_CONTROL});
    Sleep(500);
    for (WORD key : {'A', 'B', 'C'}) PressKey(key);
    PressKey(kRecordKey, {VK_CONTROL});
    Sleep(500);

    // Only what was typed between the two chords: no release of the chord
    // that began it, no press of the chord that stopped it.
    EXPECT_EQ(RecordedKeys(path_), (std::vector<std::pair<UINT, int>>{{WM_KEYDOWN, 'A'},
                                                                      {WM_KEYUP, 'A'},
                                                                      {WM_KEYDOWN, 'B'},
                                                                      {WM_KEYUP, 'B'},
                                                                      {WM_KEYDOWN, 'C'},
                                                                      {WM_KEYUP, 'C'}}));

    // Stopped: the record hotkey arms a new recording again.
    PressKey(kRecordKey, {VK_CONTROL});
    const HWND again = WaitForDialog(kFileDialogClass);
    ASSERT_NE(again, nullptr) << "the recorder did not return to idle";
    AnswerWith(again, VK_ESCAPE);
    ASSERT_TRUE(WaitUntilHidden(again));

    PostMessageW(main_, kTrayIconMessage, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntilVisible(main_));
    EXPECT_TRUE(ExitVesk());
}

POINT CentreOf(HWND window) {
    RECT at{};
    GetWindowRect(window, &at);
    return {(at.left + at.right) / 2, (at.top + at.bottom) / 2};
}

std::wstring TextOf(HWND field) {
    wchar_t text[256] = {};
    GetWindowTextW(field, text, 256);
    return text;
}

TEST_F(RecordTest, PlaybackRepeatsTheRecordedTyping) {
    DeleteFileW(path_.c_str());
    ASSERT_TRUE(Start(1));
    const HWND field = windows_->textField();

    PressKey(kRecordKey, {VK_CONTROL});
    const HWND saveDialog = WaitForDialog(kFileDialogClass);
    ASSERT_NE(saveDialog, nullptr);
    AnswerWithText(saveDialog, path_);
    const HWND hint = WaitForPrompt();
    ASSERT_NE(hint, nullptr);
    AnswerWith(hint, VK_RETURN);
    ASSERT_TRUE(WaitUntilHidden(main_));

    // Recorded: a click into the text field and the typing.
    PressKey(kRecordKey, {VK_CONTROL});
    Sleep(500);
    ClickAt(CentreOf(field));
    WaitForFocus(windows().front());
    TypeText(L"vesk");
    PressKey(kRecordKey, {VK_CONTROL});
    ASSERT_TRUE(PollUntil([&] { return TextOf(field) == L"vesk"; }, kActionTimeout));
    Sleep(500);

    // Played twice in one run: the same text each time, starting at once
    // with the recording's first record (the move to the field), and no key
    // left down afterwards.
    const POINT centre = CentreOf(field);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("playback " + std::to_string(round));
        SetWindowTextW(field, L"");
        MoveMouseTo({centre.x + 100, centre.y + 60});
        PressKey(kPlayKey, {VK_CONTROL, VK_MENU});
        const HWND openDialog = WaitForDialog(kFileDialogClass);
        ASSERT_NE(openDialog, nullptr) << "Ctrl+Alt+F12 opened no open dialog";
        AnswerWithText(openDialog, path_);
        const HWND playHint = WaitForPrompt();
        ASSERT_NE(playHint, nullptr);
        AnswerWith(playHint, VK_RETURN);
        const auto asked = std::chrono::steady_clock::now();
        EXPECT_TRUE(PollUntil(
            [&] {
                POINT at{};
                GetCursorPos(&at);
                return at.x == centre.x && at.y == centre.y;
            },
            std::chrono::seconds(5)));
        EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500))
            << "the playback began late";

        EXPECT_TRUE(PollUntil([&] { return TextOf(field) == L"vesk"; }, std::chrono::seconds(20)))
            << "the playback typed \"" << platform::win32::Narrow(TextOf(field)) << "\"";
        Sleep(1000);
        EXPECT_FALSE(AnyModifierDown()) << "the playback left a modifier key down";
    }
    PostMessageW(main_, kTrayIconMessage, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntilVisible(main_));
    EXPECT_TRUE(ExitVesk());
}

}  // namespace
}  // namespace vesk::e2e
