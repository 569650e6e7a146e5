#include <gtest/gtest.h>

#include "engine/appearance.h"
#include "engine/desktop_switch.h"
#include "engine/registry_names.h"
#include "engine/window_requests.h"
#include "fake_desktop_view.h"
#include "fake_prompt.h"
#include "platform/sim/sim_system.h"

namespace vesk::engine {
namespace {

using platform::sim::SimSystem;
using Handles = std::vector<WindowHandle>;

class Switching : public ::testing::Test {
protected:
    Switching() {
        state.MainWindowHandle = sim.windows.Create("TForm1", "Vesk1.2");
        state.AppWindowHandle = sim.windows.Create("TApplication", "Vesk1.2");
        state.DesktopIconsWindow = sim.windows.Create("Progman", "Program Manager");
        state.TaskbarWindow = sim.windows.Create("Shell_TrayWnd", "");
        state.StartVolume = 0xC4C4C4C4;
        editor = sim.windows.Create("Notepad", "notes.txt");
        browser = sim.windows.Create("Browser", "news");
        hiddenTool = sim.windows.Create("Tool", "tray tool", false);
        sim.windows.foreground = editor;
        CollectDesktopWindows(state, sim.windows, 1);
    }
    bool Switch(int target) { return SwitchDesktop(context, target); }
    bool Visible(WindowHandle w) { return sim.windows.IsVisible(w); }
    // The handles stored for a desktop; nullopt when nothing was ever written.
    std::optional<Handles> StoredJournal(int desktop) {
        const auto value = sim.registry.Get(platform::RegistryRoot::CurrentUser, reg::kRecoveryKey,
                                            "HiddenWindows" + std::to_string(desktop));
        if (!value) return std::nullopt;
        EXPECT_EQ(value->type, platform::sim::ValueType::Binary);
        Handles handles;
        for (const auto& e : HiddenWindowJournal::Decode(value->text)) handles.push_back(e.handle);
        return handles;
    }

    SimSystem sim;
    platform::Services services = sim.services();
    TControlDesktop state;
    testing::FakePrompt prompt;
    testing::FakeDesktopView view;
    HiddenWindowJournal journal{sim.registry, sim.windows};
    DesktopContext context{state, services, prompt, view, journal};
    WindowHandle editor, browser, hiddenTool;
};

TEST_F(Switching, CollectingTakesVisibleForeignWindowsInEnumerationOrder) {
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{editor, browser}));
    EXPECT_EQ(state.Desktop(1).FocusWindow, editor);
    // The program's own dialogs count like any other window.
    const auto dialog = sim.windows.Create("TSettingFrm", "Settings");
    CollectDesktopWindows(state, sim.windows, 1);
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{editor, browser, dialog}));
}

TEST_F(Switching, LeavingHidesAndReturningShowsWithTheRememberedFocus) {
    ASSERT_TRUE(Switch(2));
    EXPECT_FALSE(Visible(editor) || Visible(browser));
    EXPECT_FALSE(Visible(hiddenTool)) << "untouched";
    EXPECT_TRUE(Visible(state.MainWindowHandle));
    EXPECT_EQ(state.CurrentDesktop, 2);
    EXPECT_EQ(view.status, "Vesk 2");
    EXPECT_EQ(view.outlines, (std::vector<std::string>{"1 black", "2 red"}));

    const auto mail = sim.windows.Create("Mail", "inbox");
    sim.windows.foreground = mail;
    ASSERT_TRUE(Switch(1));
    EXPECT_TRUE(Visible(editor) && Visible(browser));
    EXPECT_FALSE(Visible(mail));
    EXPECT_EQ(sim.windows.foreground, editor);
    EXPECT_EQ(state.Desktop(2).WindowList, (Handles{mail}));

    state.Desktop(2).Name = "Mail";
    ASSERT_TRUE(Switch(2));
    EXPECT_EQ(view.status, "Vesk 2 \xC2\xB7 Mail") << "a named desktop is shown with its name";
    EXPECT_EQ(view.entered, (std::vector<int>{2, 1, 2})) << "told once each switch is complete";
}

TEST_F(Switching, ClosedWindowsAreSkippedAndStayListed) {
    ASSERT_TRUE(Switch(2));
    sim.windows.Destroy(editor);
    const int shows = sim.windows.showCalls;
    ASSERT_TRUE(Switch(1));
    EXPECT_EQ(sim.windows.showCalls - shows, 1);
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{editor, browser}));
}

TEST_F(Switching, PasswordsGuardLeavingAndEntering) {
    state.Desktop(1).Forwhat = 2;
    state.Desktop(1).Password = "out";
    state.Desktop(3).Forwhat = 3;
    state.Desktop(3).Password = "in";
    prompt.answers = {PromptResult::Ok, PromptResult::Cancel};
    EXPECT_FALSE(Switch(3));
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[0].message, "Exit Password");
    EXPECT_EQ(prompt.asked[0].expectedPassword, "out");
    EXPECT_EQ(prompt.asked[1].message, "Enter Password");
    EXPECT_EQ(prompt.asked[1].expectedPassword, "in");
    EXPECT_EQ(state.CurrentDesktop, 1);
    EXPECT_TRUE(Visible(editor));
    EXPECT_TRUE(view.outlines.empty());

    prompt.asked.clear();
    state.Desktop(1).Forwhat = 1;  // guards entering only
    EXPECT_TRUE(Switch(2));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Switching, ShellWindowsAndCaptionsFollowTheEnteredDesktop) {
    state.Desktop(2).ProgWnd = false;
    state.Desktop(2).TrayWnd = false;
    state.Desktop(2).Volume = false;
    ASSERT_TRUE(Switch(2));
    EXPECT_FALSE(Visible(state.DesktopIconsWindow) || Visible(state.TaskbarWindow));
    EXPECT_EQ(view.iconsCaption, "Show Desk");
    EXPECT_EQ(view.taskbarCaption, "Show TaskBar");
    EXPECT_EQ(view.musicCaption, "Music Off");
    EXPECT_EQ(sim.sound.volume, 0u);

    // Already hidden: neither the window nor the caption changes.
    state.Desktop(3).ProgWnd = false;
    view.iconsCaption = "untouched";
    const int hides = sim.windows.hideCalls;
    ASSERT_TRUE(Switch(3));
    EXPECT_EQ(view.iconsCaption, "untouched");
    EXPECT_EQ(view.taskbarCaption, "Hide TaskBar");
    EXPECT_EQ(view.musicCaption, "Music On");
    EXPECT_EQ(sim.sound.volume, 0xC4C4C4C4u);
    EXPECT_EQ(sim.windows.hideCalls, hides);
}

TEST_F(Switching, MoveHidesTheForegroundWindowAndCopyKeepsItVisible) {
    MoveForegroundWindow(context, 1);  // the current desktop: nothing
    EXPECT_TRUE(Visible(editor));
    MoveForegroundWindow(context, 4);
    EXPECT_FALSE(Visible(editor));
    EXPECT_EQ(state.Desktop(4).WindowList, (Handles{editor}));
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{browser}));

    sim.windows.foreground = browser;
    CopyForegroundWindow(context, 5);
    EXPECT_TRUE(Visible(browser));
    ASSERT_TRUE(Switch(5));
    EXPECT_TRUE(Visible(browser));

    sim.windows.foreground = state.MainWindowHandle;
    CopyForegroundWindow(context, 6);
    EXPECT_TRUE(state.Desktop(6).WindowList.empty()) << "the program's own window never qualifies";
}

TEST_F(Switching, RestoreGivesEveryWindowBackAndClearsTheJournal) {
    state.StartWallpaper = "C:\\start.bmp";
    state.Desktop(2).Volume = false;
    ASSERT_TRUE(Switch(2));
    const auto mail = sim.windows.Create("Mail", "inbox");
    sim.windows.foreground = mail;
    ASSERT_TRUE(Switch(3));
    HideShellWindow(sim.windows, state.TaskbarWindow);
    RestoreDesktop(context);
    for (auto w : {editor, browser, mail, state.TaskbarWindow, state.DesktopIconsWindow}) EXPECT_TRUE(Visible(w));
    EXPECT_FALSE(Visible(hiddenTool));
    EXPECT_EQ(sim.shell.wallpaperCalls.back(), "C:\\start.bmp");
    EXPECT_EQ(sim.sound.volume, 0xC4C4C4C4u);
    for (int desktop : {1, 2}) {
        EXPECT_TRUE(journal.entries(desktop).empty());
        EXPECT_EQ(StoredJournal(desktop), Handles{});
    }
}

// Other programs' windows follow a hide or show only when their thread next
// runs. Whatever the order in which the requests land, every window ends on
// its own desktop and no list loses one.
class LateSwitching : public Switching {
protected:
    LateSwitching() {
        mail = sim.windows.Create("Mail", "inbox", false);
        state.Desktop(2).WindowList = {mail};
        sim.windows.changesWait = true;
    }
    void Later(std::uint64_t ms) { sim.clock.now += ms; }
    WindowHandle mail;
};

TEST_F(LateSwitching, BackAndForthBeforeAnythingLanded) {
    ASSERT_TRUE(Switch(2));
    EXPECT_TRUE(Visible(editor)) << "nothing has landed yet";
    Later(40);
    ASSERT_TRUE(Switch(1));
    EXPECT_EQ(state.Desktop(2).WindowList, Handles{mail}) << "shown for 2, not yet visible";
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{editor, browser}));
    sim.windows.RunPendingChanges();
    EXPECT_TRUE(Visible(editor) && Visible(browser));
    EXPECT_FALSE(Visible(mail));
    EXPECT_EQ(StoredJournal(2), Handles{mail});
}

TEST_F(LateSwitching, ABusyProgramCatchesUpAfterTheOthers) {
    sim.windows.Find(editor)->hung = true;  // busy: its requests land last
    for (int target : {2, 3, 2}) {
        Later(300);
        ASSERT_TRUE(Switch(target));
        sim.windows.RunPendingChanges();
    }
    EXPECT_TRUE(Visible(editor)) << "still busy";
    sim.windows.Find(editor)->hung = false;
    sim.windows.RunPendingChanges();
    EXPECT_FALSE(Visible(editor));
    EXPECT_TRUE(Visible(mail));
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{editor, browser}));
    EXPECT_EQ(state.Desktop(3).WindowList, Handles{});
    ASSERT_TRUE(Switch(1));
    sim.windows.RunPendingChanges();
    EXPECT_TRUE(Visible(editor) && Visible(browser));
    EXPECT_FALSE(Visible(mail));
}

TEST_F(LateSwitching, AHungWindowStaysWithItsDesktop) {
    sim.windows.Find(editor)->hung = true;
    ASSERT_TRUE(Switch(2));
    sim.windows.RunPendingChanges();
    Later(1000);
    ASSERT_TRUE(Switch(3));
    sim.windows.RunPendingChanges();
    EXPECT_EQ(state.Desktop(2).WindowList, Handles{mail}) << "the hung window was hidden for desktop 1";
    ASSERT_TRUE(Switch(1));
    sim.windows.RunPendingChanges();
    EXPECT_TRUE(Visible(editor) && Visible(browser));
    EXPECT_FALSE(Visible(mail));
    EXPECT_EQ(state.Desktop(1).WindowList, (Handles{editor, browser}));
}

TEST_F(LateSwitching, AfterTheLateChangePeriodTheScreenCountsAgain) {
    ASSERT_TRUE(Switch(2));
    sim.windows.RunPendingChanges();
    Later(kLateChangeMs);
    sim.windows.changesWait = false;
    sim.windows.Show(editor);  // its program shows it again by itself
    ASSERT_TRUE(Switch(3));
    EXPECT_EQ(state.Desktop(2).WindowList, (Handles{editor, mail}));
    EXPECT_FALSE(Visible(editor));
}

TEST_F(LateSwitching, AMovedWindowLeavesAtOnceThoughItIsStillVisible) {
    MoveForegroundWindow(context, 3);
    EXPECT_EQ(state.Desktop(1).WindowList, Handles{browser});
    ASSERT_TRUE(Switch(2));
    sim.windows.RunPendingChanges();
    EXPECT_FALSE(Visible(editor));
    EXPECT_EQ(state.Desktop(1).WindowList, Handles{browser});
    ASSERT_TRUE(Switch(3));
    sim.windows.RunPendingChanges();
    EXPECT_TRUE(Visible(editor));
    EXPECT_FALSE(Visible(browser) || Visible(mail));
}

// The PE32 and the PE32+ program share the journal: a handle is stored in 8
// bytes sign-extended from its 32 significant bits, then the process and the
// class hash, so either reads the other's records (and an older PE32 build's
// zero-extended ones) as the same window.
TEST_F(Switching, JournalRecordsMeanTheSameToThe32And64BitPrograms) {
    journal.WillHide(4, {WindowHandle{0x80001234}, WindowHandle{0x00012345}});
    const auto value = sim.registry.Get(platform::RegistryRoot::CurrentUser, reg::kRecoveryKey, "HiddenWindows4");
    ASSERT_TRUE(value);
    ASSERT_EQ(value->text.size(), 2 * HiddenWindowJournal::kRecordBytes);
    using namespace std::string_literals;
    EXPECT_EQ(value->text.substr(0, 12), "\x34\x12\x00\x80\xFF\xFF\xFF\xFF\0\0\0\0"s) << "a window that is gone: process 0";
    EXPECT_EQ(value->text.substr(16, 8), "\x45\x23\x01\x00\0\0\0\0"s);

    const auto signExtended = static_cast<WindowHandle>(std::intptr_t{std::int32_t(0x80001234u)});
    const auto zeroExtended = "\x34\x12\x00\x80\0\0\0\0"s + std::string(8, '\0');
    EXPECT_EQ(HiddenWindowJournal::Decode(value->text).at(0).handle, signExtended);
    EXPECT_EQ(HiddenWindowJournal::Decode(zeroExtended).at(0).handle, signExtended);
    EXPECT_EQ(HiddenWindowJournal::Decode(value->text).at(1).handle, WindowHandle{0x00012345});
}

TEST_F(Switching, EachDesktopStoresWhatItsSwitchHidUntilItIsEnteredAgain) {
    ASSERT_TRUE(Switch(2));
    EXPECT_EQ(StoredJournal(1), (Handles{editor, browser}));
    EXPECT_EQ(StoredJournal(2), std::nullopt) << "nothing was owed for desktop 2, nothing written";
    const auto mail = sim.windows.Create("Mail", "inbox", true, 300);
    ASSERT_TRUE(Switch(1));
    EXPECT_EQ(StoredJournal(1), Handles{}) << "shown again, so no longer owed";
    EXPECT_EQ(StoredJournal(2), Handles{mail});

    sim.windows.foreground = editor;
    MoveForegroundWindow(context, 3);
    EXPECT_EQ(StoredJournal(3), Handles{editor}) << "a moved window is owed by the desktop it went to";
    HiddenWindowJournal nextRun(sim.registry, sim.windows);
    EXPECT_EQ(nextRun.RestoreEarlierRun(), 2);
    EXPECT_TRUE(Visible(editor) && Visible(mail));
}

TEST_F(Switching, WindowsHiddenByAKilledRunComeBackAtTheNextStart) {
    const auto mail = sim.windows.Create("Mail", "inbox");
    CollectDesktopWindows(state, sim.windows, 1);
    ASSERT_TRUE(Switch(2));
    EXPECT_EQ(journal.entries(1).size(), 3u);
    // The program dies here. Meanwhile the browser and the editor close and
    // their handles are reused by hidden windows, of another program and of
    // the editor's own, which must stay hidden.
    sim.windows.Destroy(browser);
    sim.windows.Rehandle(sim.windows.Create("Other", "secret", false, 777), browser);
    sim.windows.Destroy(editor);
    sim.windows.Rehandle(sim.windows.Create("Tooltip", "", false, sim.windows.OwnerProcess(mail)), editor);

    HiddenWindowJournal nextRun(sim.registry, sim.windows);
    EXPECT_EQ(nextRun.RestoreEarlierRun(), 1);
    EXPECT_TRUE(Visible(mail));
    EXPECT_FALSE(Visible(browser) || Visible(editor));
    HiddenWindowJournal thirdRun(sim.registry, sim.windows);
    EXPECT_EQ(thirdRun.RestoreEarlierRun(), 0) << "the journal was emptied";
}

TEST_F(Switching, ACrashAfterSeveralSwitchesLosesNoWindow) {
    ASSERT_TRUE(Switch(2));
    const auto mail = sim.windows.Create("Mail", "inbox", true, 300);
    ASSERT_TRUE(Switch(5));
    const auto player = sim.windows.Create("Player", "music", true, 400);
    ASSERT_TRUE(Switch(3));
    ASSERT_TRUE(Switch(5));  // the player is back on screen
    ASSERT_TRUE(Switch(4));
    for (auto w : {editor, browser, mail, player}) ASSERT_FALSE(Visible(w));

    // The program is killed here; a new start reads what the old one stored.
    HiddenWindowJournal nextRun(sim.registry, sim.windows);
    EXPECT_EQ(nextRun.RestoreEarlierRun(), 4);
    for (auto w : {editor, browser, mail, player}) EXPECT_TRUE(Visible(w));
    EXPECT_FALSE(Visible(hiddenTool)) << "never hidden by the program";
}

TEST_F(Switching, SnapshotListsEveryWindowButTheProgramsOwn) {
    SnapshotAllWindows(state, sim.windows);
    EXPECT_EQ(state.AllWindows,
              (Handles{state.DesktopIconsWindow, state.TaskbarWindow, editor, browser, hiddenTool}));
}

}  // namespace
}  // namespace vesk::engine
