#include "desktop_test.h"
#include "poll.h"
#include "screenshot.h"
#include "settings_registry.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

constexpr WORD kMainWindowKey = VK_F10;  // with Ctrl: shows or hides the main window

// The visible pop-up menus of the process, top level first.
std::vector<HWND> OpenMenus(const VeskProcess& vesk) {
    std::vector<HWND> menus;
    for (HWND window : vesk.TopLevelWindows())
        if (ClassOf(window) == L"#32768" && IsWindowVisible(window)) menus.push_back(window);
    return menus;
}

class TrayMenuTest : public DesktopTest {
protected:
    // Starts Vesk and hides its main window with its hotkey, as the menu
    // only opens while the window is hidden.
    bool StartHidden(int windowCount) {
        if (!Start(windowCount)) return false;
        PressKey(kMainWindowKey, {VK_CONTROL});
        return WaitUntilHidden(main_);
    }
    bool OpenMenu() {
        PostMessageW(main_, kTrayIconMessage, 0, WM_RBUTTONDOWN);
        return PollUntil([&] { return !OpenMenus(*vesk_).empty(); }, kActionTimeout);
    }
    bool MenusClosed() {
        return PollUntil([&] { return OpenMenus(*vesk_).empty(); }, kActionTimeout);
    }
};

TEST_F(TrayMenuTest, RightPressOpensTheMenuNearTheLowerRightCorner) {
    // Named desktops, for the documentation's picture of the menu.
    WriteString(DesktopKey(2), L"Name", L"Mail");
    WriteString(DesktopKey(3), L"Name", L"Code");
    ASSERT_TRUE(StartHidden(0));
    ASSERT_TRUE(OpenMenu()) << "no menu opened";
    RECT menu{};
    GetWindowRect(OpenMenus(*vesk_).front(), &menu);
    EXPECT_GT(menu.right, GetSystemMetrics(SM_CXSCREEN) - 40);
    EXPECT_GT(menu.bottom, GetSystemMetrics(SM_CYSCREEN) - 60);

    // The "Enter Desktop" submenu, with the current desktop's entry in red
    // and the next one selected.
    for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}) PressKey(key);
    EXPECT_TRUE(PollUntil([&] { return OpenMenus(*vesk_).size() == 2; }, kActionTimeout));
    PressKey(VK_DOWN);
    Sleep(300);
    SaveScreenshot(L"tray-menu");

    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(MenusClosed()) << "Esc did not close the menu";
    EXPECT_TRUE(ExitVesk());
}

TEST_F(TrayMenuTest, DesktopEntryOfTheMenuSwitches) {
    ASSERT_TRUE(StartHidden(2));
    ASSERT_TRUE(OpenMenu());
    // Enter Desktop > Vesk 3.
    for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}) PressKey(key);
    EXPECT_TRUE(MenusClosed());
    EXPECT_TRUE(PollUntil([&] { return NoneVisible(windows()); }, kActionTimeout))
        << "choosing Vesk 3 did not leave desktop 1";
    EXPECT_TRUE(ExitVesk());
}

TEST_F(TrayMenuTest, NothingOpensWhileTheMainWindowIsVisible) {
    ASSERT_TRUE(Start(0));
    PostMessageW(main_, kTrayIconMessage, 0, WM_RBUTTONDOWN);
    Sleep(1000);
    EXPECT_TRUE(OpenMenus(*vesk_).empty());
    EXPECT_TRUE(ExitVesk());
}

TEST_F(TrayMenuTest, LeftPressShowsTheHiddenMainWindow) {
    ASSERT_TRUE(StartHidden(0));
    PostMessageW(main_, kTrayIconMessage, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntilVisible(main_));
    EXPECT_TRUE(ExitVesk());
}

TEST_F(TrayMenuTest, ExitEntryEndsTheProgramAfterTheQuestion) {
    ASSERT_TRUE(StartHidden(0));
    ASSERT_TRUE(OpenMenu());
    // The last item, "Exit Vesk".
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    const HWND question = WaitForPrompt();
    ASSERT_NE(question, nullptr);
    AnswerWith(question, VK_RETURN);
    EXPECT_EQ(vesk_->WaitForExit(kExitTimeout), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace vesk::e2e
