#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/win32_system.h"
#include "test_windows.h"

namespace vesk::test {
namespace {

using platform::WindowHandle;

class WindowManagerTest : public ::testing::Test {
protected:
    platform::win32::Win32System system;
    platform::WindowManager& windows = system.services().windows;
    TestWindowClass windowClass{L"VeskWindowManagerTest"};
};

TEST_F(WindowManagerTest, EnumTopLevelLeavesChildWindowsOut) {
    TestWindow parent(windowClass, L"parent", true);
    TestWindow child(windowClass, L"child", true, parent.hwnd());

    const std::vector<WindowHandle> all = windows.EnumTopLevel();
    EXPECT_EQ(std::count(all.begin(), all.end(), parent.handle()), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), child.handle()), 0);
}

TEST_F(WindowManagerTest, HideAndShowReachAnotherThreadsWindow) {
    WindowThread other(windowClass, L"other thread", WindowThread::Mode::Responsive);
    ASSERT_TRUE(windows.IsVisible(other.handle()));

    windows.Hide(other.handle());
    EXPECT_TRUE(WaitFor([&] { return !windows.IsVisible(other.handle()); }));
    windows.Show(other.handle());
    EXPECT_TRUE(WaitFor([&] { return windows.IsVisible(other.handle()); }));
}

TEST_F(WindowManagerTest, RestoreReachesAnotherThreadsWindow) {
    WindowThread other(windowClass, L"other", WindowThread::Mode::Responsive);
    ShowWindowAsync(other.hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return windows.IsMinimized(other.handle()); }));
    windows.Restore(other.handle());
    EXPECT_TRUE(WaitFor([&] { return !windows.IsMinimized(other.handle()); }));
}

TEST_F(WindowManagerTest, SetForegroundActivatesOwnWindow) {
    TestWindow window(windowClass, L"front", true);
    windows.SetForeground(window.handle());
    EXPECT_TRUE(WaitFor([&] { return windows.Foreground() == window.handle(); }));
}

TEST_F(WindowManagerTest, PostCloseQueuesWmClose) {
    TestWindow window(windowClass, L"closing", true);  // DefWindowProc destroys on WM_CLOSE
    windows.PostClose(window.handle());
    EXPECT_TRUE(windows.Exists(window.handle())) << "closing must be queued, not immediate";
    EXPECT_TRUE(WaitFor([&] { return !windows.Exists(window.handle()); }));
}

}  // namespace
}  // namespace vesk::test
