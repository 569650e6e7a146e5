#include <filesystem>

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

class RecordTest : public DesktopTest {
protected:
    void TearDown() override {
        DesktopTest::TearDown();
        DeleteFileW(path_.c_str());
    }
    const std::wstring path_ = TempFile(L"vesk-e2e.RKM");
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

    const auto size = std::filesystem::file_size(path_);
    EXPECT_GT(size, 0u) << "nothing was recorded";
    EXPECT_EQ(size % 20, 0u) << "the file holds a broken record";

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

    SetWindowTextW(field, L"");
    PressKey(kPlayKey, {VK_CONTROL, VK_MENU});
    const HWND openDialog = WaitForDialog(kFileDialogClass);
    ASSERT_NE(openDialog, nullptr) << "Ctrl+Alt+F12 opened no open dialog";
    AnswerWithText(openDialog, path_);
    const HWND playHint = WaitForPrompt();
    ASSERT_NE(playHint, nullptr);
    AnswerWith(playHint, VK_RETURN);

    EXPECT_TRUE(PollUntil([&] { return TextOf(field) == L"vesk"; }, std::chrono::seconds(20)))
        << "the playback typed \"" << platform::win32::Narrow(TextOf(field)) << "\"";
    // A playback ends before the record's last event, here the F12 press
    // that stopped the recording, so the Ctrl press before it stays down.
    PressKey(VK_CONTROL);
    PostMessageW(main_, kTrayIconMessage, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntilVisible(main_));
    EXPECT_TRUE(ExitVesk());
}

}  // namespace
}  // namespace vesk::e2e
