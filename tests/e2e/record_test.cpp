#include <filesystem>

#include "desktop_test.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

constexpr WORD kRecordKey = VK_F12;  // with Ctrl: the record command
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

}  // namespace
}  // namespace vesk::e2e
