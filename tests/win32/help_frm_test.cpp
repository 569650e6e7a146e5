#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/control_desktop.h"
#include "flat_ui_script.h"
#include "platform/win32/win32_system.h"
#include "posted_clicks.h"
#include "temp_folder.h"
#include "test_windows.h"
#include "ui/dialogs/help_frm.h"

namespace vesk::test {
namespace {

constexpr int kMainLeft = 100;
constexpr int kMainTop = 200;
constexpr int kMainWidth = 540;
constexpr int kMainHeight = 271;

class HelpFrmTest : public ::testing::Test {
protected:
    HelpFrmTest() {
        live.ProgramDir = folder.path() + "\\";
        SetWindowPos(mainWindow.hwnd(), nullptr, kMainLeft, kMainTop, kMainWidth, kMainHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ~HelpFrmTest() override {
        CloseAll(L"THelpFrm");
        WaitFor([] { return FindWindowW(L"THelpFrm", nullptr) == nullptr; });
    }

    void WriteTips(int lines) {
        std::string text;
        for (int i = 0; i < lines; ++i) text += "L" + std::to_string(i) + "\r\n";
        ASSERT_TRUE(system.services().files.WriteAll(folder.In("Tips.txt"), {text.begin(), text.end()}));
    }
    void Open() {
        ui::ShowTipsWindow(GetModuleHandleW(nullptr), mainWindow.hwnd(), nullptr, live, system.services().files);
    }
    HWND Tips() const {
        const auto shown = VisibleThreadWindows(L"THelpFrm");
        return shown.empty() ? nullptr : shown.front();
    }
    HWND Button(const wchar_t* caption) const { return FindWindowExW(Tips(), nullptr, L"BUTTON", caption); }
    bool Enabled(const wchar_t* caption) const { return IsWindowEnabled(Button(caption)) != FALSE; }
    std::wstring Memo() const { return WindowText(FindWindowExW(Tips(), nullptr, L"STATIC", nullptr)); }
    void Press(const wchar_t* caption) const { PostClick(Button(caption)); }
    bool Released() const { return FindWindowW(L"THelpFrm", nullptr) == nullptr; }

    platform::win32::Win32System system;
    engine::TControlDesktop live;
    TempFolder folder{"tips"};
    TestWindowClass windowClass{L"VeskTipsMain"};
    TestWindow mainWindow{windowClass, L"Main", true};
};

TEST_F(HelpFrmTest, OpensAboveTheCentredMainWindowPlaceAndStepsThroughTheTips) {
    WriteTips(9);
    Open();
    ASSERT_TRUE(Tips());
    RECT place{};
    GetWindowRect(Tips(), &place);
    EXPECT_EQ(place.left, kMainLeft);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - kMainHeight) / 2 - 113);
    EXPECT_EQ(place.right - place.left, 380);
    EXPECT_EQ(place.bottom - place.top, 113);
    EXPECT_TRUE(GetWindowLongPtrW(Tips(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    EXPECT_EQ(Memo(), L"L0\r\nL1\r\nL2");
    EXPECT_FALSE(Enabled(L"&Prior"));
    EXPECT_TRUE(Enabled(L"&Next"));

    Press(L"&Next");
    ASSERT_TRUE(WaitFor([&] { return Memo() == L"L3\r\nL4\r\nL5"; })) << Memo();
    EXPECT_TRUE(Enabled(L"&Prior"));
    Press(L"&Next");
    ASSERT_TRUE(WaitFor([&] { return Memo() == L"L6\r\nL7\r\nL8"; })) << Memo();
    EXPECT_FALSE(Enabled(L"&Next"));
    Press(L"&Prior");
    ASSERT_TRUE(WaitFor([&] { return Memo() == L"L3\r\nL4\r\nL5"; })) << Memo();
    EXPECT_TRUE(Enabled(L"&Next"));

    ASSERT_TRUE(live.ShowHelp);
    Press(L"Show Next Time");
    EXPECT_TRUE(WaitFor([&] { return !live.ShowHelp; }));
    Press(L"&OK");
    EXPECT_TRUE(WaitFor([&] { return Released(); }));
    EXPECT_FALSE(live.ShowHelp) << "it stays off for the next start";
}

TEST_F(HelpFrmTest, WithoutTipsFileNothingStepsAndCtrlBreakCloses) {
    Open();
    ASSERT_TRUE(Tips());
    EXPECT_EQ(Memo(), L" \r\n \r\n ");
    for (const wchar_t* step : {L"&First", L"&Prior", L"&Next", L"&Last"}) EXPECT_FALSE(Enabled(step)) << step;
    EXPECT_TRUE(Enabled(L"&OK"));
    EXPECT_TRUE(Enabled(L"Show Next Time"));

    ASSERT_TRUE(WaitFor([&] { return GetFocus() == Tips(); }));
    PressKey(VK_CANCEL);
    EXPECT_TRUE(WaitFor([&] { return Released(); }));
    EXPECT_TRUE(live.ShowHelp);
}

}  // namespace
}  // namespace vesk::test
