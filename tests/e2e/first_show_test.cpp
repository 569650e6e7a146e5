#include "desktop_test.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

using FirstShowTest = DesktopTest;

TEST_F(FirstShowTest, MainWindowTakesTheSkinsSizeInTheScreenCentre) {
    ASSERT_TRUE(Start(0));
    RECT at{};
    GetWindowRect(main_, &at);
    EXPECT_EQ(at.right - at.left, 540);
    EXPECT_EQ(at.bottom - at.top, 271);
    EXPECT_EQ(at.left, (GetSystemMetrics(SM_CXSCREEN) - 540) / 2);
    EXPECT_EQ(at.top, (GetSystemMetrics(SM_CYSCREEN) - 271) / 2);
    EXPECT_NE(GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "the main window stays on top";
    EXPECT_TRUE(ExitVesk());
}

TEST_F(FirstShowTest, TipsOpenBesideTheMainWindowWhenWanted) {
    WriteDword(kCommonKey, L"ShowHelp", 1);
    ASSERT_TRUE(Start(0));
    const HWND tips = WaitForDialog(L"THelpFrm");
    ASSERT_NE(tips, nullptr) << "no tips at start";
    RECT tipsAt{}, mainAt{};
    GetWindowRect(tips, &tipsAt);
    GetWindowRect(main_, &mainAt);
    EXPECT_EQ(tipsAt.left, mainAt.left);
    EXPECT_EQ(tipsAt.bottom, mainAt.top);
    EXPECT_TRUE(ExitVesk());
}

TEST_F(FirstShowTest, HotkeyHeldByAnotherProgramOpensTheSettingsAtStart) {
    // This test program takes Ctrl+Numpad1 first.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_NUMPAD1));
    windows_.emplace(0);
    vesk_.emplace();
    const HWND settings = WaitForDialog(L"TSettingFrm", kStartTimeout);
    UnregisterHotKey(nullptr, 1);
    ASSERT_NE(settings, nullptr) << "a hotkey conflict did not open the settings";
    // The settings dialog names the conflict in a message of its own.
    const HWND conflict = WaitForPrompt();
    ASSERT_NE(conflict, nullptr) << "the conflict was not named";
    AnswerWith(conflict, VK_RETURN);
    ASSERT_TRUE(WaitUntilHidden(conflict));
    AnswerWith(settings, VK_ESCAPE);
    ASSERT_TRUE(WaitUntilHidden(settings));
    main_ = vesk_->WaitForMainWindow(kStartTimeout);
    ASSERT_TRUE(main_ != nullptr && WaitUntilVisible(main_));
    EXPECT_TRUE(ExitVesk());
}

}  // namespace
}  // namespace vesk::e2e
