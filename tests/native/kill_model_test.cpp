#include <gtest/gtest.h>

#include "platform/sim/sim_system.h"
#include "ui/dialogs/kill_model.h"
#include "ui/dialogs/window_move_model.h"

namespace vesk::ui {
namespace {

using engine::KillerMode;
using platform::WindowHandle;
using Rows = std::vector<std::string>;

class Killer : public ::testing::Test {
protected:
    Killer() {
        sim.processes.self = 42;
        sim.processes.running = {
            {1234, 8, "notepad.exe"}, {42, 8, "Vesk.exe"}, {77, 8, "guard.exe"}, {300, 1234, "child.exe"}};
        sim.processes.protectedIds = {77};
    }
    KillModel Open(KillerMode mode) {
        KillModel dialog{state, sim.windows, sim.processes, mode};
        dialog.FormShow();
        return dialog;
    }

    platform::sim::SimSystem sim;
    engine::TControlDesktop state;
};

TEST_F(Killer, ProcessRowsNameParentThenProcessAndLeaveOutThisProgram) {
    const KillModel dialog = Open(KillerMode::Processes);
    EXPECT_EQ(dialog.ListPro, (Rows{"[PID=00000008]  [ID=000004D2]  notepad.exe",
                                    "[PID=00000008]  [ID=0000004D]  guard.exe",
                                    "[PID=000004D2]  [ID=0000012C]  child.exe"}));
    EXPECT_EQ(dialog.ListProHint, "Format-->ParentProcessID  ProcessID  ExeName");
    EXPECT_EQ(dialog.BtnCloseCaption, "&Kill Selected");
    EXPECT_TRUE(dialog.BtnRefreshEnabled);
}

TEST_F(Killer, ProcessesThatCannotBeEndedKeepTheirRows) {
    KillModel dialog = Open(KillerMode::Processes);
    dialog.Checked = {true, true, false};
    sim.processes.running.erase(sim.processes.running.begin() + 3);  // child ended meanwhile
    dialog.Checked[2] = true;
    dialog.BtnCloseClick();
    EXPECT_EQ(sim.processes.exitCodes, (std::map<platform::ProcessId, unsigned>{{1234, 259}}));
    EXPECT_EQ(dialog.ListPro, (Rows{"[PID=00000008]  [ID=0000004D]  guard.exe",
                                    "[PID=000004D2]  [ID=0000012C]  child.exe"}));
    ASSERT_EQ(dialog.Records().size(), 2u);
    EXPECT_EQ(dialog.Records()[0].ProcessId, 77u) << "the row still names its own process";
    EXPECT_EQ(dialog.Records()[1].ProcessId, 300u);
    EXPECT_EQ(dialog.Checked.size(), 2u);

    dialog.BtnRefreshClick();
    EXPECT_EQ(dialog.ListPro.size(), 1u);
    EXPECT_EQ(dialog.Checked, std::vector<bool>{false});
}

TEST_F(Killer, ClosingDesktopWindowsRemovesRowsAndEntriesAtOnce) {
    const auto a = sim.windows.Create("Notepad", "a.txt");
    const auto b = sim.windows.Create("Notepad", "b.txt");
    const auto c = sim.windows.Create("Notepad", "c.txt");
    state.CurrentDesktop = 2;
    state.Desktop(2).WindowList = {a, b, c};
    KillModel dialog = Open(KillerMode::DesktopWindows);
    EXPECT_FALSE(dialog.BtnRefreshEnabled);
    EXPECT_EQ(dialog.ListProHint, "Format-->WindowHandle  ClassName   WindowTitle");
    EXPECT_EQ(dialog.ListPro[1], "Handle=" + EightHexDigits(b) + "  ClassName=Notepad   Title=b.txt");

    dialog.Checked = {true, false, true};
    dialog.BtnCloseClick();
    EXPECT_EQ(sim.windows.closeRequests, (std::vector<WindowHandle>{c, a}));
    EXPECT_EQ(state.Desktop(2).WindowList, std::vector<WindowHandle>{b});
    EXPECT_EQ(dialog.ListPro, Rows{"Handle=" + EightHexDigits(b) + "  ClassName=Notepad   Title=b.txt"});

    state.Desktop(2).WindowList.push_back(a);
    dialog.BtnRefreshClick();
    EXPECT_EQ(dialog.ListPro.size(), 1u) << "refresh is off in this mode";
}

TEST_F(Killer, AllWindowsMarksHiddenOnesAndShowsTheTicked) {
    const auto hidden = sim.windows.Create("Tool", "", false);
    const auto shown = sim.windows.Create("Editor", "draft");
    const auto gone = sim.windows.Create("Gone", "old");
    sim.windows.Destroy(gone);
    state.AllWindows = {hidden, shown, gone};
    KillModel dialog = Open(KillerMode::AllWindows);
    EXPECT_EQ(dialog.BtnCloseCaption, "Show Selected");
    EXPECT_EQ(dialog.ListPro, (Rows{"Handle=" + EightHexDigits(hidden) + "  ClassName=Tool   Title=''  [Hide]",
                                    "Handle=" + EightHexDigits(shown) + "  ClassName=Editor   Title=draft",
                                    "Handle=" + EightHexDigits(gone) + "  ClassName=   Title=''  [Hide]"}));

    dialog.Checked = {true, true, false};
    const int shows = sim.windows.showCalls;
    dialog.BtnCloseClick();
    EXPECT_TRUE(sim.windows.IsVisible(hidden));
    EXPECT_EQ(sim.windows.showCalls - shows, 1) << "a visible window is left alone";
    EXPECT_EQ(dialog.ListPro[0], "Handle=" + EightHexDigits(hidden) + "  ClassName=Tool   Title=''");
    EXPECT_EQ(dialog.Checked, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(state.AllWindows.size(), 3u);
}

TEST_F(Killer, ShownRowsLoseTheirMarkBeforeTheWindowCatchesUp) {
    sim.windows.changesWait = true;
    const auto hidden = sim.windows.Create("Tool", "box", false);
    state.AllWindows = {hidden};
    KillModel dialog = Open(KillerMode::AllWindows);
    dialog.Checked = {true};
    dialog.BtnCloseClick();
    const std::string row = "Handle=" + EightHexDigits(hidden) + "  ClassName=Tool   Title=box";
    EXPECT_EQ(dialog.ListPro[0], row);
    sim.windows.RunPendingChanges();
    dialog.BtnRefreshClick();
    EXPECT_EQ(dialog.ListPro[0], row);
    sim.windows.Hide(hidden);  // its program hides it again
    sim.windows.RunPendingChanges();
    dialog.BtnRefreshClick();
    EXPECT_EQ(dialog.ListPro[0], row + "  [Hide]") << "the listing reads the window, not its own rows";
}

TEST_F(Killer, SelectAllTogglesByItsCaption) {
    KillModel dialog = Open(KillerMode::Processes);
    dialog.FlatButton2Click();
    EXPECT_EQ(dialog.Checked, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(dialog.FlatButton2Caption, "Select &None");
    dialog.Checked[1] = false;
    dialog.FlatButton2Click();
    EXPECT_EQ(dialog.Checked, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(dialog.FlatButton2Caption, "Select &All");
}

}  // namespace
}  // namespace vesk::ui
