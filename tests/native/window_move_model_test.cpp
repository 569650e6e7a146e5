#include <gtest/gtest.h>

#include "platform/sim/sim_system.h"
#include "ui/dialogs/window_move_model.h"

namespace vesk::ui {
namespace {

using platform::WindowHandle;
using Handles = std::vector<WindowHandle>;
using Rows = std::vector<std::string>;

// Current desktop 3 of 5. Desktop 3 holds an editor and a browser (both on
// screen), desktop 2 a hidden mail window, desktop 4 a hidden player.
class WindowMove : public ::testing::Test {
protected:
    WindowMove() {
        state.DesktopNum = 5;
        state.CurrentDesktop = 3;
        editor = sim.windows.Create("Notepad", "notes.txt");
        browser = sim.windows.Create("Browser", "news");
        mail = sim.windows.Create("Mail", "inbox", false);
        player = sim.windows.Create("Player", "", false);
        List(3) = {editor, browser};
        List(2) = {mail};
        List(4) = {player};
    }
    Handles& List(int desktop) { return state.Desktop(desktop).WindowList; }
    bool Visible(WindowHandle w) { return sim.windows.IsVisible(w); }
    std::string Row(WindowHandle w) {
        return EightHexDigits(w) + "  " + sim.windows.ClassName(w) + "   " + sim.windows.Title(w);
    }
    void OpenOn(int chosenEntry) {
        dialog.Prepare();
        dialog.ComDesktopsChange(chosenEntry);
    }
    Handles Journal() const {
        Handles handles;
        for (int desktop = 1; desktop <= engine::kDesktopCount; ++desktop) {
            for (const auto& e : journal.entries(desktop)) handles.push_back(e.handle);
        }
        return handles;
    }

    platform::sim::SimSystem sim;
    engine::TControlDesktop state;
    engine::HiddenWindowJournal journal{sim.registry, sim.windows};
    WindowMoveModel dialog{state, sim.windows, journal};
    WindowHandle editor, browser, mail, player;
};

TEST_F(WindowMove, TheChooserSkipsTheCurrentDesktopAndMapsBack) {
    OpenOn(2);
    EXPECT_EQ(dialog.EdtCurrent, "Desktop 3");
    EXPECT_EQ(dialog.ComDesktopsItems, (Rows{"Desktop 1", "Desktop 2", "Desktop 4", "Desktop 5"}));
    EXPECT_EQ(dialog.ListFrom, (Rows{Row(editor), Row(browser)}));
    EXPECT_EQ(dialog.ListTo, Rows{Row(player)});
    EXPECT_EQ(dialog.LowerSelection, -1);
    dialog.ComDesktopsChange(1);
    EXPECT_EQ(dialog.ListTo, Rows{Row(mail)});

    state.Desktop(2).Name = "Post";
    state.Desktop(3).Name = "Code";
    dialog.Prepare();
    EXPECT_EQ(dialog.EdtCurrent, "Desktop 3 \xC2\xB7 Code");
    EXPECT_EQ(dialog.ComDesktopsItems[1], "Desktop 2 \xC2\xB7 Post") << "named desktops are shown by name";
}

TEST_F(WindowMove, RowsHoldHandleClassAndTitleCutTo49Characters) {
    EXPECT_EQ(Row(editor), "00001000  Notepad   notes.txt");
    const std::string longTitle = std::string(48, 'x') + "\xC3\xA9\xC3\xA9";  // 50 characters, 52 bytes
    const auto wide = sim.windows.Create(std::string(60, 'C'), longTitle);
    List(3) = {wide, player};
    dialog.Prepare();
    EXPECT_EQ(dialog.ListFrom[0], EightHexDigits(wide) + "  " + std::string(49, 'C') + "   " +
                                      std::string(48, 'x') + "\xC3\xA9");
    EXPECT_EQ(dialog.ListFrom[1], EightHexDigits(player) + "  Player   ") << "an empty title ends in three spaces";
    EXPECT_EQ(EightHexDigits(0xABCD), "0000ABCD");
}

TEST_F(WindowMove, CopyKeepsTheWindowVisibleAndIsNotRepeated) {
    OpenOn(1);
    dialog.BtnCopyClick(TransferKind::Copy);  // no row clicked: the first one
    EXPECT_TRUE(Visible(editor));
    EXPECT_EQ(List(2), (Handles{mail, editor}));
    EXPECT_EQ(List(3), (Handles{editor, browser}));
    EXPECT_EQ(dialog.ListTo, (Rows{Row(mail), Row(editor)}));

    sim.windows.Find(editor)->title = "notes.txt *";  // the row text is stale now
    dialog.BtnCopyClick(TransferKind::Copy);
    EXPECT_EQ(List(2), (Handles{mail, editor}));
}

TEST_F(WindowMove, CutHidesTheWindowAndMovesItsEntry) {
    OpenOn(1);
    dialog.ListFromClick(1);
    dialog.BtnCopyClick(TransferKind::Cut);
    EXPECT_FALSE(Visible(browser));
    EXPECT_EQ(Journal(), Handles{browser}) << "a crash must not lose it";
    EXPECT_EQ(List(3), Handles{editor});
    EXPECT_EQ(List(2), (Handles{mail, browser}));
    EXPECT_EQ(dialog.ListFrom, Rows{Row(editor)});
    EXPECT_EQ(dialog.UpperSelection, -1);
    dialog.BtnCopyClick(TransferKind::Cut);
    EXPECT_EQ(List(3), Handles{editor}) << "no selection, nothing happens";
}

TEST_F(WindowMove, CutUpwardShowsTheWindowHereAndRemovesItThere) {
    OpenOn(1);
    dialog.ListToClick(0);
    dialog.FlatButton2Click(TransferKind::Cut);
    EXPECT_TRUE(Visible(mail));
    EXPECT_EQ(List(3), (Handles{editor, browser, mail}));
    EXPECT_TRUE(List(2).empty());
    EXPECT_TRUE(dialog.ListTo.empty());
    EXPECT_EQ(dialog.ListFrom.back(), Row(mail));
    EXPECT_EQ(dialog.LowerSelection, -1);
}

TEST_F(WindowMove, CancelPutsEveryListBackAndShowsTheCurrentDesktop) {
    OpenOn(1);
    dialog.BtnCopyClick(TransferKind::Cut);  // editor away to desktop 2
    dialog.ListToClick(0);
    dialog.FlatButton2Click(TransferKind::Copy);  // mail brought here
    dialog.ComDesktopsChange(2);
    dialog.ListToClick(0);
    dialog.FlatButton2Click(TransferKind::Cut);  // player brought here
    ASSERT_FALSE(Visible(editor));

    dialog.FlatButton5Click();
    EXPECT_EQ(List(3), (Handles{editor, browser}));
    EXPECT_EQ(List(2), Handles{mail});
    EXPECT_EQ(List(4), Handles{player});
    EXPECT_TRUE(Visible(editor));
    EXPECT_TRUE(Visible(mail) && Visible(player)) << "windows brought in stay on screen";
    EXPECT_TRUE(Journal().empty());
}

TEST_F(WindowMove, WithoutCancelTheChangesStand) {
    {
        WindowMoveModel escaped{state, sim.windows, journal};
        escaped.Prepare();
        escaped.ComDesktopsChange(3);
        escaped.BtnCopyClick(TransferKind::Cut);
    }  // Escape or OK
    EXPECT_EQ(List(5), Handles{editor});
    EXPECT_EQ(List(3), Handles{browser});
    EXPECT_FALSE(Visible(editor));
}

TEST_F(WindowMove, RowsActOnTheEntriesTheyShowPastDestroyedWindows) {
    const auto gone = sim.windows.Create("Gone", "");
    const auto tool = sim.windows.Create("Tool", "palette");
    sim.windows.Destroy(gone);
    List(3) = {editor, gone, browser, tool};
    List(2) = {gone, mail};
    OpenOn(1);
    EXPECT_EQ(dialog.ListFrom, (Rows{Row(editor), Row(browser), Row(tool)}));
    EXPECT_EQ(dialog.ListTo, Rows{Row(mail)});

    dialog.BtnCopyClick(TransferKind::Cut);  // editor
    dialog.ListFromClick(1);                 // tool, whose entry moved up by one
    dialog.BtnCopyClick(TransferKind::Cut);
    EXPECT_FALSE(Visible(tool));
    EXPECT_TRUE(Visible(browser));
    EXPECT_EQ(List(3), (Handles{gone, browser}));

    dialog.ListToClick(0);
    dialog.FlatButton2Click(TransferKind::Cut);
    EXPECT_TRUE(Visible(mail));
    EXPECT_EQ(List(2), (Handles{gone, editor, tool}));
}

TEST_F(WindowMove, NothingHappensWithoutAChosenDesktop) {
    state.DesktopNum = 1;
    state.CurrentDesktop = 1;
    List(1) = {editor};
    dialog.Prepare();
    EXPECT_TRUE(dialog.ComDesktopsItems.empty());
    dialog.ComDesktopsChange(0);
    dialog.BtnCopyClick(TransferKind::Cut);
    dialog.FlatButton2Click(TransferKind::Cut);
    EXPECT_EQ(List(1), Handles{editor});
    EXPECT_TRUE(Visible(editor));
}

}  // namespace
}  // namespace vesk::ui
