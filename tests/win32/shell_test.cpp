#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "test_windows.h"

namespace vesk::test {
namespace {

using platform::win32::Narrow;

// Keeps the wParam of every WM_SETTINGCHANGE in the vector at GWLP_USERDATA.
LRESULT CALLBACK RecordSettingChange(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE) {
        if (auto* seen = reinterpret_cast<std::vector<WPARAM>*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            seen->push_back(wParam);
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A 1x1 24-bit bitmap.
std::vector<std::uint8_t> TinyBitmap() {
    std::vector<std::uint8_t> bmp = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
                                     40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
                                     0, 0, 0, 0, 4, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0,
                                     0, 0, 0, 0, 0, 0, 0, 0, 0x20, 0x40, 0x80, 0};
    return bmp;
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t current[MAX_PATH] = {};
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, current, 0));
        original_ = current;
    }
    void TearDown() override {
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, original_.data(), SPIF_UPDATEINIFILE);
    }

    std::optional<std::string> StoredWallpaper() {
        auto key = services.registry.OpenKey(platform::RegistryRoot::CurrentUser,
                                             "Control Panel\\Desktop", false);
        return key ? key->ReadString("Wallpaper") : std::nullopt;
    }

    platform::win32::Win32System system;
    platform::Services& services = system.services();
    std::wstring original_;
};

constexpr DWORD kAnnouncementLimitMs = 10000;

TEST_F(ShellTest, SetDeskWallpaperStoresThePathAndAnnouncesIt) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::string path = Narrow(temp) + "vesk w\xc3\xa4llpaper.bmp";
    ASSERT_TRUE(services.files.WriteAll(path, TinyBitmap()));

    TestWindowClass windowClass(L"VeskShellTest", RecordSettingChange);
    TestWindow listener(windowClass, L"listener", false);
    std::vector<WPARAM> seen;
    SetWindowLongPtrW(listener.hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));

    // The announcement skips windows whose thread has not asked for messages
    // in five seconds; the slow steps before may have made this one look hung.
    PumpPendingMessages();
    ASSERT_TRUE(services.shell.SetDeskWallpaper(path));
    EXPECT_EQ(StoredWallpaper(), path);
    // Every other top-level window of the session is asked first, each for
    // up to 200 ms; on a loaded machine that took more than three seconds.
    ASSERT_TRUE(WaitFor([&] { return !seen.empty(); }, kAnnouncementLimitMs));
    EXPECT_EQ(seen.front(), static_cast<WPARAM>(SPI_SETDESKWALLPAPER));

    seen.clear();
    ASSERT_TRUE(services.shell.SetDeskWallpaper(std::nullopt));
    EXPECT_EQ(StoredWallpaper(), "");
    EXPECT_TRUE(WaitFor([&] { return !seen.empty(); }, kAnnouncementLimitMs));

    SetWindowLongPtrW(listener.hwnd(), GWLP_USERDATA, 0);
    services.files.Delete(path);
}

TEST_F(ShellTest, OpenReportsFailure) {
    EXPECT_FALSE(services.shell.Open("C:\\vesk-no-such-dir\\no-such-file.vesk-none"));
}

}  // namespace
}  // namespace vesk::test
