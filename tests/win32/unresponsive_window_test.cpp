// A program that stops handling messages must not stall Vesk: every call the
// desktop switch makes on such a window has to come back at once.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "test_windows.h"

namespace vesk::test {
namespace {

// Generous: the calls take a few milliseconds, a blocking one takes the whole
// WindowThread::kHangLimitMs.
constexpr ULONGLONG kPromptMs = 500;

class UnresponsiveWindowTest : public ::testing::Test {
protected:
    platform::win32::Win32System system;
    platform::Services& services = system.services();
    TestWindowClass windowClass{L"VeskUnresponsiveTest"};
    WindowThread hung{windowClass, L"Vesk hung \u00e9", WindowThread::Mode::Hung};
};

TEST_F(UnresponsiveWindowTest, HideAndShowReturnPromptlyAndTakeEffectLater) {
    EXPECT_LT(TimeMs([&] { services.windows.Hide(hung.handle()); }), kPromptMs);
    EXPECT_TRUE(services.windows.IsVisible(hung.handle())) << "the owner has not run yet";

    hung.Resume();
    EXPECT_TRUE(WaitFor([&] { return !services.windows.IsVisible(hung.handle()); }))
        << "the queued hide was lost";
}

TEST_F(UnresponsiveWindowTest, ShowAndRestoreReturnPromptly) {
    EXPECT_LT(TimeMs([&] { services.windows.Show(hung.handle()); }), kPromptMs);
    EXPECT_LT(TimeMs([&] { services.windows.Restore(hung.handle()); }), kPromptMs);
}

TEST_F(UnresponsiveWindowTest, TitleAndClassNameReturnPromptly) {
    std::string title;
    std::string className;
    EXPECT_LT(TimeMs([&] {
                  title = services.windows.Title(hung.handle());
                  className = services.windows.ClassName(hung.handle());
              }),
              kPromptMs);
    EXPECT_EQ(title, "Vesk hung \xc3\xa9");
    EXPECT_EQ(className, "VeskUnresponsiveTest");
}

TEST_F(UnresponsiveWindowTest, SetDeskWallpaperReturnsPromptly) {
    wchar_t current[MAX_PATH] = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, current, 0));
    const std::string path = platform::win32::Narrow(current);  // leave the setting as it was

    bool stored = false;
    EXPECT_LT(TimeMs([&] { stored = services.shell.SetDeskWallpaper(path); }), kPromptMs);
    EXPECT_TRUE(stored);
}

}  // namespace
}  // namespace vesk::test
