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

TEST_F(WindowManagerTest, FindsAndDescribesOwnWindow) {
    const std::wstring title = L"Vesk t\u00e9st \u2603 \U0001F600";
    TestWindow window(windowClass, title, true);

    EXPECT_EQ(windows.FindByClass("vESKwINDOWmANAGERtEST"), window.handle());
    EXPECT_EQ(windows.FindByTitle("Vesk t\xc3\xa9st \xe2\x98\x83 \xf0\x9f\x98\x80"),
              window.handle());
    EXPECT_EQ(windows.FindByClass("VeskNoSuchClass"), 0u);
    EXPECT_EQ(windows.FindByTitle("Vesk no such title"), 0u);

    EXPECT_EQ(windows.ClassName(window.handle()), "VeskWindowManagerTest");
    EXPECT_EQ(windows.Title(window.handle()), "Vesk t\xc3\xa9st \xe2\x98\x83 \xf0\x9f\x98\x80");
    EXPECT_EQ(windows.OwnerProcess(window.handle()), GetCurrentProcessId());
}

TEST_F(WindowManagerTest, TitleIsReturnedWhole) {
    TestWindow window(windowClass, std::wstring(700, L'x') + L"\u00e9nd", false);
    EXPECT_EQ(windows.Title(window.handle()), std::string(700, 'x') + "\xc3\xa9nd");
    TestWindow untitled(windowClass, L"", false);
    EXPECT_EQ(windows.Title(untitled.handle()), "");
}

TEST_F(WindowManagerTest, EnumTopLevelListsTopLevelWindowsOnly) {
    TestWindow shown(windowClass, L"shown", true);
    TestWindow hidden(windowClass, L"hidden", false);
    TestWindow child(windowClass, L"child", true, shown.hwnd());

    const std::vector<WindowHandle> all = windows.EnumTopLevel();
    const auto count = [&](WindowHandle handle) { return std::count(all.begin(), all.end(), handle); };
    EXPECT_EQ(count(shown.handle()), 1);
    EXPECT_EQ(count(hidden.handle()), 1);
    EXPECT_EQ(count(child.handle()), 0);
}

TEST_F(WindowManagerTest, HideAndShowOfOwnWindowTakeEffectAtOnce) {
    TestWindow window(windowClass, L"toggle", true);
    ASSERT_TRUE(windows.IsVisible(window.handle()));

    windows.Hide(window.handle());
    EXPECT_FALSE(windows.IsVisible(window.handle()));
    windows.Show(window.handle());
    EXPECT_TRUE(windows.IsVisible(window.handle()));
}

TEST_F(WindowManagerTest, HideAndShowReachAnotherThreadsWindow) {
    WindowThread other(windowClass, L"other thread", WindowThread::Mode::Responsive);
    ASSERT_TRUE(windows.IsVisible(other.handle()));

    windows.Hide(other.handle());
    EXPECT_TRUE(WaitFor([&] { return !windows.IsVisible(other.handle()); }));
    windows.Show(other.handle());
    EXPECT_TRUE(WaitFor([&] { return windows.IsVisible(other.handle()); }));
}

TEST_F(WindowManagerTest, RestoreBringsBackMinimizedWindows) {
    TestWindow own(windowClass, L"own", true);
    ShowWindow(own.hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(windows.IsMinimized(own.handle()));
    windows.Restore(own.handle());
    EXPECT_FALSE(windows.IsMinimized(own.handle()));
    EXPECT_TRUE(windows.IsVisible(own.handle()));

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

TEST_F(WindowManagerTest, CallsOnDestroyedWindowFailQuietly) {
    WindowHandle gone = platform::kNoWindow;
    {
        TestWindow window(windowClass, L"short-lived", true);
        gone = window.handle();
        ASSERT_TRUE(windows.Exists(gone));
    }
    EXPECT_FALSE(windows.Exists(gone));
    EXPECT_FALSE(windows.IsVisible(gone));
    EXPECT_EQ(windows.ClassName(gone), "");
    EXPECT_EQ(windows.Title(gone), "");
    EXPECT_EQ(windows.OwnerProcess(gone), 0u);
    EXPECT_FALSE(windows.IsMinimized(gone));
    windows.Restore(gone);
    windows.Show(gone);
    windows.Hide(gone);
    windows.SetForeground(gone);
    windows.PostClose(gone);
    EXPECT_FALSE(windows.Exists(gone));
    EXPECT_FALSE(windows.Exists(platform::kNoWindow));
}

}  // namespace
}  // namespace vesk::test
