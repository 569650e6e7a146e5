#include "desktop_test.h"
#include "poll.h"
#include "screenshot.h"
#include "settings_registry.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

using DesktopSwitchTest = DesktopTest;

WORD Numpad(int n) { return static_cast<WORD>(VK_NUMPAD0 + n); }

bool WaitUntilAllHidden(const std::vector<HWND>& windows) {
    return PollUntil([&] { return NoneVisible(windows); }, kActionTimeout);
}

bool WaitUntilAllVisible(const std::vector<HWND>& windows) {
    return PollUntil([&] { return AllVisible(windows); }, kActionTimeout);
}

TEST_F(DesktopSwitchTest, DesktopHotkeysHideAndShowTheWindowsOfDesktopOne) {
    ASSERT_TRUE(Start(3));

    PressKey(Numpad(2), {VK_CONTROL});
    EXPECT_TRUE(WaitUntilAllHidden(windows())) << "Ctrl+Numpad2 left the windows of desktop 1 on the screen";
    EXPECT_TRUE(IsWindowVisible(main_)) << "the main window is no desktop's window";

    PressKey(Numpad(1), {VK_CONTROL});
    EXPECT_TRUE(WaitUntilAllVisible(windows())) << "Ctrl+Numpad1 did not bring desktop 1's windows back";

    EXPECT_TRUE(ExitVesk());
}

TEST_F(DesktopSwitchTest, SecondStartsCommandSwitchesTheRunningCopyAndTheTrayNumberFollows) {
    WriteString(DesktopKey(3), L"Name", L"Mail");
    ASSERT_TRUE(Start(3));
    constexpr std::chrono::seconds kCommandTimeout{20};

    const CommandRun refused = RunVeskCommand(L"--desktop 12", kCommandTimeout);
    EXPECT_EQ(refused.exitCode, std::optional<DWORD>(2));
    EXPECT_NE(refused.output.find("--desktop takes a desktop number from 1 to 9"), std::string::npos) << refused.output;
    EXPECT_TRUE(AllVisible(windows())) << "a refused command changed something";

    // The notification area is the right end of the shell's taskbar, where
    // the stand-ins' taskbar buttons never reach; the tray icon is read off
    // the screen there.
    RECT notificationArea{};
    GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &notificationArea);
    notificationArea.left = notificationArea.right - 64;
    Sleep(1000);  // the icon is added once the main window's first show is done
    const auto trayOnDesktop1 = ScreenPixels(notificationArea);

    const CommandRun switched = RunVeskCommand(L"--desktop 3", kCommandTimeout);
    EXPECT_EQ(switched.exitCode, std::optional<DWORD>(0)) << switched.output;
    EXPECT_TRUE(WaitUntilAllHidden(windows())) << "desktop 1's windows stayed on the screen";
    EXPECT_TRUE(PollUntil([&] { return ScreenPixels(notificationArea) != trayOnDesktop1; }, kActionTimeout))
        << "the tray icon did not change with the desktop";

    const CommandRun current = RunVeskCommand(L"--current", kCommandTimeout);
    EXPECT_EQ(current.exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(current.output, "3 Mail\n");

    EXPECT_EQ(RunVeskCommand(L"--previous --previous", kCommandTimeout).exitCode, std::optional<DWORD>(2));
    EXPECT_EQ(RunVeskCommand(L"--desktop 1", kCommandTimeout).exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntilAllVisible(windows()));
    EXPECT_TRUE(PollUntil([&] { return ScreenPixels(notificationArea) == trayOnDesktop1; }, kActionTimeout))
        << "the tray icon did not come back to desktop 1's";
    EXPECT_TRUE(ExitVesk());

    const CommandRun alone = RunVeskCommand(L"--next", kCommandTimeout);
    EXPECT_EQ(alone.exitCode, std::optional<DWORD>(3)) << "no running copy, and none started";
    EXPECT_NE(alone.output.find("not running"), std::string::npos) << alone.output;
}

TEST_F(DesktopSwitchTest, MovedWindowLeavesAndCopiedWindowStaysUntilItsDesktopIsEntered) {
    ASSERT_TRUE(Start(3));
    const HWND moved = windows()[0];
    const HWND copied = windows()[1];
    const HWND staying = windows()[2];

    windows_->Activate(moved);
    PressKey(Numpad(3), {VK_CONTROL, VK_MENU});
    EXPECT_TRUE(WaitUntilHidden(moved)) << "Ctrl+Alt+Numpad3 did not move the foreground window away";

    windows_->Activate(copied);
    PressKey(Numpad(3), {VK_MENU});
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(copied)) << "a copied window stays on the current desktop too";

    PressKey(Numpad(3), {VK_CONTROL});
    EXPECT_TRUE(WaitUntilHidden(staying));
    EXPECT_TRUE(WaitUntilVisible(moved)) << "desktop 3 did not show the moved window";
    EXPECT_TRUE(WaitUntilVisible(copied)) << "desktop 3 did not show the copied window";

    PressKey(Numpad(1), {VK_CONTROL});
    EXPECT_TRUE(WaitUntilVisible(staying));
    EXPECT_TRUE(WaitUntilVisible(copied)) << "the copied window belongs to desktop 1 as well";
    EXPECT_TRUE(WaitUntilHidden(moved)) << "the moved window no longer belongs to desktop 1";

    EXPECT_TRUE(ExitVesk());
}

TEST_F(DesktopSwitchTest, ClickOnASelectorHexagonSwitchesToItsDesktop) {
    ASSERT_TRUE(Start(2));

    // The centre of hexagon 3 of the built-in skin.
    ClickAt(OnMainWindow(332, 86));
    EXPECT_TRUE(WaitUntilAllHidden(windows())) << "a click on hexagon 3 did not leave desktop 1";
    // Over Label6, which turns blue and explains itself in the status line;
    // by way of the background, since Wine repeats the pointer's last
    // position after each injected move, and a label that is still hot does
    // not repeat its hint.
    MoveMouseTo(OnMainWindow(60, 100));
    MoveMouseTo(OnMainWindow(480, 118));
    Sleep(500);
    SaveScreenshot(L"main-window");

    ClickAt(OnMainWindow(206, 84));
    EXPECT_TRUE(WaitUntilAllVisible(windows())) << "a click on hexagon 1 did not come back";

    // Between the hexagons nothing happens.
    ClickAt(OnMainWindow(145, 50));
    Sleep(500);
    EXPECT_TRUE(AllVisible(windows()));

    EXPECT_TRUE(ExitVesk());
}

TEST_F(DesktopSwitchTest, ExitGivesBackTheWindowsOfEveryDesktop) {
    ASSERT_TRUE(Start(3));
    windows_->Activate(windows()[0]);
    PressKey(Numpad(5), {VK_CONTROL, VK_MENU});
    ASSERT_TRUE(WaitUntilHidden(windows()[0]));
    PressKey(Numpad(7), {VK_CONTROL});
    ASSERT_TRUE(WaitUntilAllHidden(windows()));

    ASSERT_TRUE(ExitVesk());

    EXPECT_TRUE(WaitUntilAllVisible(windows())) << "a window was left hidden at exit";
    EXPECT_TRUE(StoredDword(kCommonKey, L"DesktopNum", 9)) << "the settings were not written at exit";
}

TEST_F(DesktopSwitchTest, WindowsHiddenWhenVeskIsKilledComeBackAtItsNextStart) {
    ASSERT_TRUE(Start(3));
    windows_->Activate(windows()[0]);
    PressKey(Numpad(4), {VK_CONTROL, VK_MENU});
    ASSERT_TRUE(WaitUntilHidden(windows()[0]));
    PressKey(Numpad(2), {VK_CONTROL});
    ASSERT_TRUE(WaitUntilAllHidden(windows()));

    vesk_.reset();  // killed: no exit code runs
    Sleep(300);
    EXPECT_TRUE(NoneVisible(windows())) << "the windows came back before the next start";

    ASSERT_TRUE(StartVesk());
    EXPECT_TRUE(WaitUntilAllVisible(windows())) << "the moved window and desktop 1's were not given back";
    EXPECT_TRUE(ExitVesk());
}

}  // namespace
}  // namespace vesk::e2e
