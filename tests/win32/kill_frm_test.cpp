#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "flat_ui_script.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "posted_clicks.h"
#include "test_windows.h"
#include "ui/dialogs/kill_frm.h"
#include "ui/dialogs/window_move_model.h"

namespace vesk::test {
namespace {

using engine::KillerMode;
using platform::win32::ScopedHandle;
using platform::win32::Widen;
using ui::TKillFrm;

std::wstring Hex(std::uint64_t value) { return Widen(ui::EightHexDigits(value)); }

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A suspended copy of this program: a process that runs no code, ended
// with the test if the killer did not end it.
class SuspendedCopy {
public:
    SuspendedCopy() {
        wchar_t exe[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" --gtest_list_tests";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                            &startup, &info)) {
            return;
        }
        process_.reset(info.hProcess);
        thread_.reset(info.hThread);
        id_ = info.dwProcessId;
    }
    ~SuspendedCopy() {
        if (process_ && !Ended()) TerminateProcess(process_.get(), 1);
    }
    SuspendedCopy(const SuspendedCopy&) = delete;
    SuspendedCopy& operator=(const SuspendedCopy&) = delete;

    DWORD id() const { return id_; }
    bool Ended() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.get(), &code);
        return code;
    }

private:
    ScopedHandle process_;
    ScopedHandle thread_;
    DWORD id_ = 0;
};

class KillFrmTest : public ::testing::Test {
protected:
    HWND Dialog() const {
        const auto shown = VisibleThreadWindows(L"TKillFrm");
        return shown.empty() ? nullptr : shown.front();
    }
    HWND Control(int id) const { return GetDlgItem(Dialog(), id); }
    std::vector<std::wstring> Rows() const {
        const HWND list = Control(TKillFrm::kListPro);
        std::vector<std::wstring> rows;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring row(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            row.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()))));
            rows.push_back(row);
        }
        return rows;
    }
    int RowContaining(const std::wstring& part) const {
        const auto rows = Rows();
        const auto it = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.find(part) != row.npos; });
        return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
    }
    // Clicks the tick box of a row, scrolled into view first.
    void TickRow(int row) const {
        const HWND list = Control(TKillFrm::kListPro);
        SendMessageW(list, LB_SETTOPINDEX, row, 0);
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
        PostClick(list, {item.left + 7, (item.top + item.bottom) / 2});
    }
    void ClickOn(const std::string& what, int id) {
        script.Do("click " + what, [this, id] { PostClick(Control(id)); });
    }
    void Tick(const std::string& what, std::function<int()> row) {
        script.Do("tick " + what, [this, row] { TickRow(row()); });
    }
    void Run(KillerMode mode) {
        script.Run(
            [&] {
                ui::RunKiller(GetModuleHandleW(nullptr), nullptr, state, system.services().windows,
                              system.services().processes, mode);
                return true;
            },
            [] { CloseAll(L"TKillFrm"); });
    }

    platform::win32::Win32System system;
    engine::TControlDesktop state;
    UiScript script;
    TestWindowClass windowClass{L"VeskKillTest"};
};

TEST_F(KillFrmTest, ProcessesListAChildUnderItsParentAndKillEndsItWithExitCode259) {
    SuspendedCopy child;
    ASSERT_NE(child.id(), 0u);
    const std::wstring childId = L"[ID=" + Hex(child.id()) + L"]";
    std::wstring childRow;
    bool selfListed = true;
    std::wstring captionAfterKill;
    script.Then("child listed", [&] { return RowContaining(childId) >= 0; },
                [&] {
                    childRow = Rows()[static_cast<std::size_t>(RowContaining(childId))];
                    selfListed = RowContaining(L"[ID=" + Hex(GetCurrentProcessId()) + L"]") >= 0;
                });
    Tick("the child's box", [&] { return RowContaining(childId); });
    ClickOn("Kill Selected", TKillFrm::kBtnClose);
    script.Then("child ended and its row gone", [&] { return child.Ended() && RowContaining(childId) < 0; },
                [&] { captionAfterKill = WindowText(Control(TKillFrm::kBtnClose)); });
    ClickOn("Back", TKillFrm::kFlatButton4);
    Run(KillerMode::Processes);

    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_FALSE(Dialog());
    EXPECT_EQ(child.ExitCode(), 259u);
    EXPECT_FALSE(selfListed);
    const std::wstring rowStart = L"[PID=" + Hex(GetCurrentProcessId()) + L"]  " + childId + L"  ";
    EXPECT_EQ(childRow.substr(0, rowStart.size()), rowStart) << childRow;
    EXPECT_EQ(CompareStringOrdinal(childRow.substr(rowStart.size()).c_str(), -1, L"vesk_win32_tests.exe", -1, TRUE),
              CSTR_EQUAL)
        << childRow;
    EXPECT_EQ(captionAfterKill, L"&Kill Selected");
}

TEST_F(KillFrmTest, AllWindowsMarksHiddenOnesAndShowSelectedShowsThem) {
    TestWindow shown(windowClass, L"Shown one", true);
    TestWindow hidden(windowClass, L"", false);
    state.AllWindows = {shown.handle(), hidden.handle()};
    std::vector<std::wstring> before;
    std::wstring action;
    std::vector<std::wstring> after;
    script.Then("listed", [&] { return Rows().size() == 2; },
                [&] {
                    before = Rows();
                    action = WindowText(Control(TKillFrm::kBtnClose));
                });
    Tick("the first box", [] { return 0; });
    Tick("the second box", [] { return 1; });
    ClickOn("Show Selected", TKillFrm::kBtnClose);
    script.Then("shown", [&] { return IsWindowVisible(hidden.hwnd()) && !EndsWith(Rows()[1], L"[Hide]"); },
                [&] {
                    after = Rows();
                    PressKey(VK_ESCAPE);
                });
    Run(KillerMode::AllWindows);

    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_FALSE(Dialog());
    EXPECT_EQ(action, L"Show Selected");
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0], L"Handle=" + Hex(shown.handle()) + L"  ClassName=VeskKillTest   Title=Shown one");
    EXPECT_EQ(before[1], L"Handle=" + Hex(hidden.handle()) + L"  ClassName=VeskKillTest   Title=''  [Hide]");
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[1], L"Handle=" + Hex(hidden.handle()) + L"  ClassName=VeskKillTest   Title=''");
    EXPECT_TRUE(IsWindowVisible(shown.hwnd()));
    EXPECT_EQ(state.AllWindows.size(), 2u) << "the caller empties the list";
}

TEST_F(KillFrmTest, DesktopWindowsSelectAllTogglesAndKillAsksBothToClose) {
    TestWindow first(windowClass, L"First", true);
    TestWindow second(windowClass, L"Second", true);
    state.CurrentDesktop = 4;
    state.Desktop(4).WindowList = {first.handle(), second.handle()};
    std::vector<std::wstring> captions;
    bool refreshEnabled = true;
    std::size_t rowsAfterEmptyKill = 0;
    const auto selectAll = [&] { return WindowText(Control(TKillFrm::kFlatButton2)); };
    script.Then("listed", [&] { return Rows().size() == 2; },
                [&] { refreshEnabled = IsWindowEnabled(Control(TKillFrm::kBtnRefresh)); });
    ClickOn("Select All", TKillFrm::kFlatButton2);
    script.Then("all ticked", [&] { return selectAll() == L"Select &None"; }, [&] { captions.push_back(selectAll()); });
    ClickOn("Select None", TKillFrm::kFlatButton2);
    script.Then("none ticked", [&] { return selectAll() == L"Select &All"; }, [&] { captions.push_back(selectAll()); });
    ClickOn("Kill Selected with nothing ticked", TKillFrm::kBtnClose);
    ClickOn("Select All again", TKillFrm::kFlatButton2);
    script.Then("all ticked again", [&] { return selectAll() == L"Select &None"; },
                [&] { rowsAfterEmptyKill = Rows().size(); });
    ClickOn("Kill Selected", TKillFrm::kBtnClose);
    script.Then("both asked to close", [&] { return Rows().empty(); }, [] {});
    script.Do("click the close glyph",
              [&] { PostClicked(FindWindowExW(Dialog(), nullptr, L"TFlatSpeedButton", nullptr)); });
    Run(KillerMode::DesktopWindows);

    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_FALSE(Dialog());
    EXPECT_FALSE(refreshEnabled);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Select &None", L"Select &All"}));
    EXPECT_EQ(rowsAfterEmptyKill, 2u);
    EXPECT_TRUE(state.Desktop(4).WindowList.empty());
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(first.hwnd()) && !IsWindow(second.hwnd()); }))
        << "the windows' own procedure closes them on WM_CLOSE";
}

}  // namespace
}  // namespace vesk::test
