#include "desktop_test.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

using ShellWindowsTest = DesktopTest;

// Centres of the command labels of the built-in skin.
constexpr POINT kTaskbarLabel{487, 67};  // Label3
constexpr POINT kIconsLabel{487, 84};    // Label4

HWND Taskbar() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

TEST_F(ShellWindowsTest, TaskbarCommandHidesAndShowsTheTaskbar) {
    ASSERT_NE(Taskbar(), nullptr) << "the session has no taskbar";
    ASSERT_TRUE(Start(0));

    ClickAt(OnMainWindow(kTaskbarLabel.x, kTaskbarLabel.y));
    EXPECT_TRUE(WaitUntilHidden(Taskbar()));
    ClickAt(OnMainWindow(kTaskbarLabel.x, kTaskbarLabel.y));
    EXPECT_TRUE(WaitUntilVisible(Taskbar()));

    EXPECT_TRUE(ExitVesk());
}

TEST_F(ShellWindowsTest, IconsCommandHidesAndShowsTheDesktopIcons) {
    ASSERT_TRUE(Start(0));
    const HWND icons = windows_->desktopIcons();

    ClickAt(OnMainWindow(kIconsLabel.x, kIconsLabel.y));
    EXPECT_TRUE(WaitUntilHidden(icons));
    ClickAt(OnMainWindow(kIconsLabel.x, kIconsLabel.y));
    EXPECT_TRUE(WaitUntilVisible(icons));

    EXPECT_TRUE(ExitVesk());
}

TEST_F(ShellWindowsTest, EachDesktopKeepsItsOwnTaskbarAndIcons) {
    WriteDword(DesktopKey(2), L"TrayWnd", 0);
    WriteDword(DesktopKey(2), L"ProgWnd", 0);
    ASSERT_TRUE(Start(0));

    PressKey(VK_NUMPAD2, {VK_CONTROL});
    EXPECT_TRUE(WaitUntilHidden(Taskbar()));
    EXPECT_TRUE(WaitUntilHidden(windows_->desktopIcons()));
    PressKey(VK_NUMPAD1, {VK_CONTROL});
    EXPECT_TRUE(WaitUntilVisible(Taskbar()));
    EXPECT_TRUE(WaitUntilVisible(windows_->desktopIcons()));

    EXPECT_TRUE(ExitVesk());
}

TEST_F(ShellWindowsTest, ExitShowsTheTaskbarAndIconsAgain) {
    ASSERT_TRUE(Start(0));
    ClickAt(OnMainWindow(kTaskbarLabel.x, kTaskbarLabel.y));
    ASSERT_TRUE(WaitUntilHidden(Taskbar()));
    ClickAt(OnMainWindow(kIconsLabel.x, kIconsLabel.y));
    ASSERT_TRUE(WaitUntilHidden(windows_->desktopIcons()));

    ASSERT_TRUE(ExitVesk());

    EXPECT_TRUE(WaitUntilVisible(Taskbar()));
    EXPECT_TRUE(WaitUntilVisible(windows_->desktopIcons()));
    // The flags are the desktop's own settings and are kept.
    EXPECT_TRUE(StoredDword(DesktopKey(1), L"TrayWnd", 0));
    EXPECT_TRUE(StoredDword(DesktopKey(1), L"ProgWnd", 0));
}

}  // namespace
}  // namespace vesk::e2e
