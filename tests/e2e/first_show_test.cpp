#include "desktop_test.h"
#include "log_pixels.h"
#include "poll.h"
#include "screenshot.h"
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

// Vesk started at 150 % and 200 %: the skin's 540 x 271 reference pixels
// and its shape grow by the scale, and a click at the scaled centre of
// hexagon 5 (237, 134 in the skin) switches to desktop 5.
class ScaledFirstShowTest : public DesktopTest, public ::testing::WithParamInterface<int> {};

TEST_P(ScaledFirstShowTest, MainWindowShapeAndSelectorFollowTheDisplayScale) {
    const int dpi = GetParam();
    const ScopedLogPixels scale(static_cast<DWORD>(dpi));
    ASSERT_TRUE(scale.set());
    const auto scaled = [dpi](int reference) { return MulDiv(reference, dpi, 96); };
    ASSERT_TRUE(Start(2));
    RECT at{};
    GetWindowRect(main_, &at);
    EXPECT_NEAR(at.right - at.left, scaled(540), 1);
    EXPECT_NEAR(at.bottom - at.top, scaled(271), 1);
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(main_, shape), ERROR) << "the window has no shape";
    RECT box{};
    GetRgnBox(shape, &box);
    DeleteObject(shape);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_NEAR(box.right, scaled(540), 1);
    EXPECT_NEAR(box.bottom, scaled(271), 1);

    // Desktop 5 gets the first window, so that showing it tells desktop 5.
    windows_->Activate(windows()[0]);
    PressKey(static_cast<WORD>(VK_NUMPAD5), {VK_CONTROL, VK_MENU});
    ASSERT_TRUE(WaitUntilHidden(windows()[0]));
    ClickAt(OnMainWindow(scaled(237), scaled(134)));
    EXPECT_TRUE(WaitUntilVisible(windows()[0])) << "the click did not go to desktop 5";
    EXPECT_TRUE(WaitUntilHidden(windows()[1])) << "the click did not leave desktop 1";
    SaveScreenshot(L"main-window-" + std::to_wstring(dpi));

    // The settings dialog comes at the same scale; that no text of it is
    // clipped at these scales is checked where its fonts can be measured
    // (the Win32 tests of the dialog).
    PressKey(VK_F11, {VK_CONTROL});
    const HWND settings = WaitForDialog(L"TSettingFrm");
    ASSERT_NE(settings, nullptr);
    RECT dialog{};
    GetWindowRect(settings, &dialog);
    EXPECT_NEAR(dialog.right - dialog.left, scaled(364), 1);
    EXPECT_NEAR(dialog.bottom - dialog.top, scaled(438), 1);
    EXPECT_GE(dialog.left, 0);
    EXPECT_GE(dialog.top, 0);
    AnswerWith(settings, VK_ESCAPE);
    EXPECT_TRUE(PollUntil([&] { return !IsWindowVisible(settings); }, kActionTimeout));
    EXPECT_TRUE(ExitVesk());
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledFirstShowTest, ::testing::Values(144, 192));

}  // namespace
}  // namespace vesk::e2e
