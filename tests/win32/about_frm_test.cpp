#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "flat_ui_script.h"
#include "platform/shell.h"
#include "posted_clicks.h"
#include "test_windows.h"
#include "ui/dialogs/about_frm.h"

namespace vesk::test {
namespace {

// Notes what the links would open instead of starting a browser.
class RecordingShell : public platform::Shell {
public:
    bool SetDeskWallpaper(const std::optional<std::string>&) override { return false; }
    std::string DeskWallpaper() override { return {}; }
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return true;
    }
    std::vector<std::string> opened;
};

class AboutFrmTest : public ::testing::Test {
protected:
    HWND About() const {
        const auto shown = VisibleThreadWindows(L"TAboutFrm");
        return shown.empty() ? nullptr : shown.front();
    }
    HWND Label(const wchar_t* text) const { return FindWindowExW(About(), nullptr, L"STATIC", text); }
    template <typename Show>
    static auto Run(UiScript& script, Show show) {
        return script.Run(show, [] { CloseAll(L"TAboutFrm"); });
    }

    RecordingShell shell;
    UiScript script;
};

TEST_F(AboutFrmTest, OpensAtTheMainWindowsTopRightAndItsLinksGoThroughTheShell) {
    TestWindowClass windowClass{L"VeskAboutMain"};
    TestWindow mainWindow{windowClass, L"Main", true};
    SetWindowPos(mainWindow.hwnd(), nullptr, 230, 140, 540, 271, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT place{};
    script.Then("shown", [&] { return About() != nullptr; }, [&] { GetWindowRect(About(), &place); });
    script.Do("click the web link", [&] { PostClickThrough(Label(L"github.com/vesk-desktops/vesk")); })
        .Then("web page opened", [&] { return shell.opened.size() == 1; },
              [&] { PostClickThrough(Label(L"support@vesk-desktops.org")); })
        .Then("mail started", [&] { return shell.opened.size() == 2; }, [] { PressKey(VK_ESCAPE); });
    Run(script, [&] {
        ui::RunAboutWindow(GetModuleHandleW(nullptr), mainWindow.hwnd(), nullptr, shell);
        return true;
    });

    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_FALSE(About());
    EXPECT_EQ(place.right, 230 + 540);
    EXPECT_EQ(place.top, 140);
    EXPECT_EQ(place.right - place.left, 433);
    EXPECT_EQ(place.bottom - place.top, 254);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"https://github.com/vesk-desktops/vesk#readme",
                                                       "mailto:support@vesk-desktops.org"}));
}

TEST_F(AboutFrmTest, EscapeClosesWithOkAndTheOkButtonWithCancel) {
    ui::TAboutFrm about(GetModuleHandleW(nullptr), shell);
    about.Prepare(nullptr);
    script.Then("shown", [&] { return About() != nullptr; }, [] { PressKey(VK_ESCAPE); });
    EXPECT_EQ(Run(script, [&] { return about.ShowModal(); }), ui::kModalOk);
    EXPECT_TRUE(script.Finished()) << script.failure();

    UiScript button;
    button.Then("shown", [&] { return About() != nullptr; },
                [&] { PostClick(FindWindowExW(About(), nullptr, L"BUTTON", L"&Ok")); });
    EXPECT_EQ(Run(button, [&] { return about.ShowModal(); }), ui::kModalCancel);
    EXPECT_TRUE(button.Finished()) << button.failure();
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(AboutFrmTest, StripKeepsTheBlackFrameLineAtItsRightEnd) {
    image::RgbImage red{2, 2, {}};
    for (int i = 0; i < 4; ++i) red.pixels.insert(red.pixels.end(), {255, 0, 0});
    ui::TAboutFrm about(GetModuleHandleW(nullptr), shell);
    about.Prepare(&red);
    const image::RgbImage strip = about.TitlePicture();
    ASSERT_GT(strip.width, 2);
    const auto pixel = [&](int x, int y) {
        const auto at = static_cast<std::size_t>((y * strip.width + x) * 3);
        return std::vector<std::uint8_t>(strip.pixels.begin() + at, strip.pixels.begin() + at + 3);
    };
    const std::vector<std::uint8_t> black{0, 0, 0};
    const std::vector<std::uint8_t> redPixel{255, 0, 0};
    for (int y = 0; y < strip.height; ++y) {
        EXPECT_EQ(pixel(strip.width - 1, y), black) << "row " << y;
        EXPECT_EQ(pixel(strip.width - 2, y), redPixel) << "row " << y;
        EXPECT_EQ(pixel(0, y), redPixel) << "row " << y;
    }
}

}  // namespace
}  // namespace vesk::test
