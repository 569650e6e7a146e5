#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/hidden_windows.h"
#include "flat_ui_script.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "posted_clicks.h"
#include "test_windows.h"
#include "ui/dialogs/window_frm.h"
#include "ui/dialogs/window_move_model.h"

namespace vesk::test {
namespace {

using platform::WindowHandle;
using ui::TWindowFrm;
using Handles = std::vector<WindowHandle>;

class WindowFrmTest : public ::testing::Test {
protected:
    WindowFrmTest() {
        state.CurrentDesktop = 1;
        state.Desktop(1).WindowList = {first.handle(), second.handle()};
        state.Desktop(2).WindowList = {elsewhere.handle()};
    }

    HWND Dialog() const {
        const auto shown = VisibleThreadWindows(L"TWindowFrm");
        return shown.empty() ? nullptr : shown.front();
    }
    HWND Control(int id) const { return GetDlgItem(Dialog(), id); }
    int Rows(int list) const { return static_cast<int>(SendMessageW(Control(list), LB_GETCOUNT, 0, 0)); }
    std::wstring Row(int list, int row) const {
        std::wstring text(static_cast<std::size_t>(SendMessageW(Control(list), LB_GETTEXTLEN, row, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(Control(list), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }
    std::vector<std::wstring> Desktops() const {
        const HWND combo = Control(TWindowFrm::kComDesktops);
        std::vector<std::wstring> items;
        for (LRESULT i = 0; i < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t item[32]{};
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            items.push_back(item);
        }
        return items;
    }
    // As the combo box reports a choice from its list.
    void Choose(int entry) const {
        const HWND combo = Control(TWindowFrm::kComDesktops);
        SendMessageW(combo, CB_SETCURSEL, entry, 0);
        SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(TWindowFrm::kComDesktops, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }
    void ClickRow(const std::string& what, int list, int row) {
        script.Do("click " + what, [this, list, row] {
            RECT item{};
            SendMessageW(Control(list), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
            PostClick(Control(list), {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        });
    }
    LRESULT Chosen(int list) const { return SendMessageW(Control(list), LB_GETCURSEL, 0, 0); }
    void ClickOn(const std::string& what, int id) {
        script.Do("click " + what, [this, id] { PostClick(Control(id)); });
    }
    void Run() {
        script.Run(
            [&] {
                ui::RunWindowMoveDialog(GetModuleHandleW(nullptr), nullptr, state, system.services().windows,
                                        journal);
                return true;
            },
            [] { CloseAll(L"TWindowFrm"); });
    }
    std::wstring ExpectedRow(const TestWindow& window, const std::wstring& title) const {
        return platform::win32::Widen(ui::EightHexDigits(window.handle())) + L"  VeskMoveTest   " + title;
    }

    platform::win32::Win32System system;
    engine::TControlDesktop state;
    engine::HiddenWindowJournal journal{system.services().registry, system.services().windows};
    UiScript script;
    TestWindowClass windowClass{L"VeskMoveTest"};
    TestWindow first{windowClass, L"First", true};
    TestWindow second{windowClass, L"Second", true};
    TestWindow elsewhere{windowClass, L"", false};
};

TEST_F(WindowFrmTest, CutToDesktopTwoHidesTheWindowAndCancelPutsEverythingBack) {
    std::wstring current;
    std::vector<std::wstring> desktops;
    std::wstring lowerRow;
    Handles upperList;
    Handles lowerList;
    std::wstring movedRow;
    script
        .Then("listed", [&] { return Rows(TWindowFrm::kListFrom) == 2; },
              [&] {
                  current = WindowText(Control(TWindowFrm::kEdtCurrent));
                  desktops = Desktops();
                  Choose(0);
              })
        .Then("desktop 2 listed", [&] { return Rows(TWindowFrm::kListTo) == 1; },
              [&] { lowerRow = Row(TWindowFrm::kListTo, 0); });
    ClickRow("the second upper row", TWindowFrm::kListFrom, 1);
    script.Then("second row chosen", [&] { return Chosen(TWindowFrm::kListFrom) == 1; }, [] {});
    ClickOn("Cut", TWindowFrm::kBtnCut);
    script.Then("cut", [&] { return !IsWindowVisible(second.hwnd()) && Rows(TWindowFrm::kListTo) == 2; },
                [&] {
                    upperList = state.Desktop(1).WindowList;
                    lowerList = state.Desktop(2).WindowList;
                    movedRow = Row(TWindowFrm::kListTo, 1);
                });
    ClickOn("Cancel", TWindowFrm::kFlatButton5);
    Run();

    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_FALSE(Dialog());
    EXPECT_EQ(current, L"Desktop 1");
    EXPECT_EQ(desktops, (std::vector<std::wstring>{L"Desktop 2", L"Desktop 3", L"Desktop 4", L"Desktop 5",
                                                   L"Desktop 6", L"Desktop 7", L"Desktop 8", L"Desktop 9"}));
    EXPECT_EQ(lowerRow, ExpectedRow(elsewhere, L"")) << "an empty title leaves the three spaces";
    EXPECT_EQ(upperList, Handles{first.handle()});
    EXPECT_EQ(lowerList, (Handles{elsewhere.handle(), second.handle()}));
    EXPECT_EQ(movedRow, ExpectedRow(second, L"Second"));

    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{first.handle(), second.handle()}));
    EXPECT_EQ(state.Desktop(2).WindowList, Handles{elsewhere.handle()});
    EXPECT_TRUE(IsWindowVisible(second.hwnd()));
    EXPECT_FALSE(IsWindowVisible(elsewhere.hwnd()));
}

TEST_F(WindowFrmTest, CopyRightAfterOpeningTakesTheFirstRowOnceAndEscapeKeepsIt) {
    int rowsAfterSecondCopy = 0;
    script.Then("listed", [&] { return Rows(TWindowFrm::kListFrom) == 2; }, [&] { Choose(1); });  // Desktop 3, empty
    ClickOn("Copy", TWindowFrm::kBtnCopy);
    script.Then("copied", [&] { return Rows(TWindowFrm::kListTo) == 1; },
              [&] {
                  const HWND copy = Control(TWindowFrm::kBtnCopy);
                  SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(TWindowFrm::kBtnCopy, BN_CLICKED),
                               reinterpret_cast<LPARAM>(copy));
                  rowsAfterSecondCopy = Rows(TWindowFrm::kListTo);
                  PressKey(VK_ESCAPE);
              });
    Run();

    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_FALSE(Dialog());
    EXPECT_EQ(rowsAfterSecondCopy, 1);
    EXPECT_EQ(state.Desktop(3).WindowList, Handles{first.handle()});
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{first.handle(), second.handle()}));
    EXPECT_TRUE(IsWindowVisible(first.hwnd()));
}

TEST_F(WindowFrmTest, CutUpFromDesktopTwoShowsTheWindowAndOkKeepsIt) {
    script.Then("listed", [&] { return Rows(TWindowFrm::kListFrom) == 2; }, [&] { Choose(0); })
        .Then("desktop 2 listed", [&] { return Rows(TWindowFrm::kListTo) == 1; }, [] {});
    ClickRow("the lower row", TWindowFrm::kListTo, 0);
    script.Then("its row chosen", [&] { return Chosen(TWindowFrm::kListTo) == 0; }, [] {});
    ClickOn("Cut up", TWindowFrm::kFlatButton3);
    script.Then("brought up", [&] { return IsWindowVisible(elsewhere.hwnd()) && Rows(TWindowFrm::kListTo) == 0; },
                [] {});
    ClickOn("Ok", TWindowFrm::kFlatButton4);
    Run();

    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_FALSE(Dialog());
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{first.handle(), second.handle(), elsewhere.handle()}));
    EXPECT_TRUE(state.Desktop(2).WindowList.empty());
    EXPECT_TRUE(IsWindowVisible(elsewhere.hwnd()));
}

}  // namespace
}  // namespace vesk::test
