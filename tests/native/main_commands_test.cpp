#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/hotkeys.h"
#include "engine/main_commands.h"
#include "engine/registry_names.h"
#include "fake_desktop_view.h"
#include "fake_prompt.h"
#include "platform/sim/sim_system.h"
#include "recorder/recorder.h"

namespace vesk::engine {
namespace {

using platform::RegistryRoot;

class FakeHost : public CommandHost, public recorder::RecorderView {
public:
    bool MainWindowVisible() override { return visible; }
    void ShowMainWindow() override { visible = true, ++shows; }
    void HideMainWindow() override { visible = false; }
    void CloseMainWindow() override { ++closes; }
    bool ExitNow() override { return ++exits, exitConfirmed; }
    bool RunSettingsDialog() override {
        gateDuringDialog = state->HotkeyGate;
        if (settingsEdit) settingsEdit();
        return settingsOk;
    }
    void RunKiller(KillerMode mode) override {
        killerModes.push_back(mode);
        windowsSeenByKiller = state->AllWindows.size();
    }
    void RunWindowMoveDialog() override { ++moveDialogs; }
    void RunAbout() override { ++abouts; }
    void SetTrayIconShown(bool shown) override { trayIcon = shown; }

    std::string RecordCaption() override { return "Record"; }
    void SetRecordCaptions(const std::string&, const std::string&) override {}
    std::string PlayCaption() override { return "Load Record"; }
    void SetPlayCaptions(const std::string&, const std::string&) override {}
    std::optional<std::string> ChooseFileToRecord() override { return std::nullopt; }
    std::optional<std::string> ChooseFileToPlay() override { return std::nullopt; }
    void SendRecordDone() override {}

    TControlDesktop* state = nullptr;
    bool visible = true, settingsOk = true, gateDuringDialog = true, trayIcon = true, exitConfirmed = true;
    std::function<void()> settingsEdit;
    int shows = 0, closes = 0, exits = 0, moveDialogs = 0, abouts = 0;
    std::vector<KillerMode> killerModes;
    std::size_t windowsSeenByKiller = 0;
};

class Commands : public ::testing::Test {
protected:
    Commands() {
        host.state = &state;
        state.MainWindowHandle = sim.windows.Create("TForm1", "Vesk1.2");
        state.TaskbarWindow = sim.windows.Create("Shell_TrayWnd", "");
        state.DesktopIconsWindow = sim.windows.Create("Progman", "");
        state.ProgramDir = "C:\\Vesk\\";
        state.StartVolume = 0xC4C4C4C4;
        for (int n = 1; n <= 9; ++n) state.Desktop(n).DesktopHot = 96 + n;
        editor = sim.windows.Create("Notepad", "a.txt");
        sim.windows.foreground = editor;
        commands.StartUp();
    }

    platform::sim::SimSystem sim;
    platform::Services services = sim.services();
    TControlDesktop state;
    testing::FakePrompt prompt;
    testing::FakeDesktopView view;
    HiddenWindowJournal journal{sim.registry, sim.windows};
    DesktopContext context{state, services, prompt, view, journal};
    FakeHost host;
    recorder::Recorder recorder{state, services, prompt, host};
    MainCommands commands{context, recorder, host};
    WindowHandle editor;
};

TEST_F(Commands, StartUpCollectsDesktopOneAndRegistersEveryHotkey) {
    EXPECT_EQ(state.Desktop(1).WindowList, (std::vector<WindowHandle>{editor}));
    EXPECT_EQ(sim.hotkeys.RegisteredCount(), 31u);
}

TEST_F(Commands, ConflictAtStartUpOpensTheOptions) {
    platform::sim::SimSystem other;
    other.hotkeys.HoldByOtherProgram(2, 121);
    platform::Services otherServices = other.services();
    DesktopContext otherContext{state, otherServices, prompt, view, journal};
    MainCommands fresh{otherContext, recorder, host};
    host.settingsOk = false;
    fresh.StartUp();
    EXPECT_FALSE(host.gateDuringDialog) << "the settings dialog ran with the gate closed";
    EXPECT_TRUE(state.HotkeyConflicts[1]);
}

TEST_F(Commands, DesktopHotkeysSwitchAndAreDroppedWhileTheGateIsClosed) {
    state.HotkeyGate = false;
    commands.HotkeyCommand(2);
    EXPECT_EQ(state.CurrentDesktop, 1);
    state.HotkeyGate = true;
    commands.HotkeyCommand(2);
    EXPECT_EQ(state.CurrentDesktop, 2);
    commands.HotkeyCommand(2);  // already there
    commands.HotkeyCommand(0);
    commands.HotkeyCommand(32);
    EXPECT_EQ(state.CurrentDesktop, 2);
    EXPECT_TRUE(state.HotkeyGate);
}

TEST_F(Commands, DesktopKeyPressedWhileAPasswordIsAskedRunsAfterThatSwitch) {
    state.Desktop(2).Forwhat = 1;
    state.Desktop(2).Password = "two";
    const auto mail = sim.windows.Create("Mail", "inbox");
    state.Desktop(2).WindowList = {mail};
    sim.windows.Hide(mail);
    WindowHandle promptWindow = 0;
    prompt.whileOpen = [&] {
        promptWindow = sim.windows.Create("TPassForm", "Enter Password");
        commands.HotkeyCommand(3);
        EXPECT_EQ(state.CurrentDesktop, 1) << "a switch started inside the prompt";
        sim.windows.Destroy(promptWindow);
    };
    commands.HotkeyCommand(2);
    EXPECT_EQ(state.CurrentDesktop, 3);
    EXPECT_EQ(state.Desktop(1).WindowList, (std::vector<WindowHandle>{editor}));
    EXPECT_EQ(state.Desktop(2).WindowList, (std::vector<WindowHandle>{mail}));
    for (int n = 1; n <= kDesktopCount; ++n) {
        const auto& list = state.Desktop(n).WindowList;
        EXPECT_EQ(std::count(list.begin(), list.end(), promptWindow), 0) << "desktop " << n;
    }
    EXPECT_FALSE(sim.windows.IsVisible(editor));
    EXPECT_FALSE(sim.windows.IsVisible(mail));
    commands.HotkeyCommand(1);
    EXPECT_TRUE(sim.windows.IsVisible(editor)) << "keys work again after the queue ran";
}

TEST_F(Commands, MoveToTheCurrentDesktopDoesNothingAndKeepsHotkeysWorking) {
    commands.HotkeyCommand(11);
    EXPECT_TRUE(sim.windows.IsVisible(editor));
    EXPECT_TRUE(state.HotkeyGate);
    commands.HotkeyCommand(13);
    EXPECT_FALSE(sim.windows.IsVisible(editor));
    EXPECT_EQ(state.Desktop(3).WindowList, (std::vector<WindowHandle>{editor}));
    commands.HotkeyCommand(3);
    EXPECT_TRUE(sim.windows.IsVisible(editor));
}

TEST_F(Commands, MainWindowHotkeyAsksTheControlPasswordBeforeShowing) {
    state.ControlPassword = "pw";
    commands.HotkeyCommand(10);
    EXPECT_FALSE(host.visible);
    EXPECT_TRUE(prompt.asked.empty()) << "hiding asks nothing";
    prompt.answers = {PromptResult::Cancel};
    commands.HotkeyCommand(10);
    EXPECT_FALSE(host.visible);
    commands.HotkeyCommand(10);
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(prompt.asked.back().message, "Enter Password");
    EXPECT_EQ(prompt.asked.back().expectedPassword, "pw");
}

TEST_F(Commands, TogglesFlipTheFlagTheWindowAndTheCaption) {
    commands.ToggleTaskbar();
    EXPECT_FALSE(state.Desktop(1).TrayWnd);
    EXPECT_FALSE(sim.windows.IsVisible(state.TaskbarWindow));
    EXPECT_EQ(view.taskbarCaption, "Show TaskBar");
    commands.ToggleTaskbar();
    EXPECT_TRUE(sim.windows.IsVisible(state.TaskbarWindow));
    EXPECT_EQ(view.taskbarCaption, "Hide TaskBar");

    commands.ToggleDesktopIcons();
    EXPECT_EQ(view.iconsCaption, "Show Desk");
    commands.ToggleMusic();
    EXPECT_EQ(view.musicCaption, "Music Off");
    EXPECT_EQ(sim.sound.volume, 0u);
}

TEST_F(Commands, CloseAllAsksThenPostsCloseToEveryWindowOfTheDesktop) {
    commands.SelectDesktop(3);
    const auto mail = sim.windows.Create("Mail", "inbox");
    const auto chat = sim.windows.Create("Chat", "team");
    prompt.answers = {PromptResult::Cancel};
    commands.CloseAll();
    EXPECT_EQ(prompt.asked.back().message, "It Will Close All Windows in Desktop3\r\nAre you sure?");
    EXPECT_TRUE(sim.windows.closeRequests.empty());
    commands.CloseAll();
    EXPECT_EQ(sim.windows.closeRequests, (std::vector<WindowHandle>{mail, chat}));
    EXPECT_TRUE(state.Desktop(3).WindowList.empty());
    EXPECT_TRUE(state.HotkeyGate);
}

TEST_F(Commands, WindowToolsAndKillerWorkOnFreshListsWithTheGateClosed) {
    commands.Killer(true);
    commands.Killer(false);
    commands.WindowTools(false);
    EXPECT_EQ(host.killerModes,
              (std::vector<KillerMode>{KillerMode::Processes, KillerMode::DesktopWindows, KillerMode::AllWindows}));
    EXPECT_EQ(host.windowsSeenByKiller, 3u) << "everything but the main window";
    EXPECT_TRUE(state.AllWindows.empty()) << "emptied after the dialog";
    commands.WindowTools(true);
    EXPECT_EQ(host.moveDialogs, 1);
    EXPECT_TRUE(state.HotkeyGate);
}

TEST_F(Commands, RefusedSettingPasswordLeavesTheHotkeysRegistered) {
    state.SettingPassword = "opt";
    prompt.answers = {PromptResult::Cancel};
    host.settingsEdit = [] { FAIL() << "the dialog must not open"; };
    commands.Options();
    EXPECT_EQ(sim.hotkeys.RegisteredCount(), 31u);
    EXPECT_TRUE(state.HotkeyGate);
}

TEST_F(Commands, OptionsApplyWhatTheDialogChanged) {
    state.StartWallpaper = "C:\\start.bmp";
    host.settingsEdit = [this] {
        EXPECT_EQ(sim.hotkeys.RegisteredCount(), 0u) << "unregistered while the dialog runs";
        DesktopRecord& d = state.Desktop(1);
        d.TrayWnd = false;
        d.Volume = false;
        d.Wallpaper = "C:\\windows\\sea.bmp";
        d.DesktopHot = 70;
        state.ShowIcon = false;
    };
    commands.Options();
    EXPECT_FALSE(sim.windows.IsVisible(state.TaskbarWindow));
    EXPECT_EQ(view.taskbarCaption, "Show TaskBar");
    EXPECT_EQ(view.musicCaption, "Music Off");
    EXPECT_EQ(sim.shell.wallpaperCalls.back(), "C:\\windows\\sea.bmp");
    EXPECT_FALSE(host.trayIcon);
    EXPECT_EQ(sim.hotkeys.CombinationOf(state.MainWindowHandle, 1), std::make_pair(2, 70));

    sim.shell.wallpaperCalls.clear();
    host.settingsEdit = nullptr;
    commands.Options();
    EXPECT_TRUE(sim.shell.wallpaperCalls.empty()) << "unchanged wallpaper is not applied again";
}

TEST(CommandLineArguments, AreParsedIntoOneCommandOrAReason) {
    using Kind = CommandLine::Kind;
    const struct {
        std::vector<std::string> arguments;
        Kind kind;
        RemoteCommand command;
        bool start;
    } cases[] = {
        {{}, Kind::None, {}, false},
        {{"--start"}, Kind::Start, {}, true},
        {{"--HELP", "--desktop", "12"}, Kind::Help, {}, false},
        {{"/?"}, Kind::Help, {}, false},
        {{"--desktop", "3"}, Kind::Command, {RemoteAction::Desktop, 3, ""}, false},
        {{"--start", "--Next"}, Kind::Command, {RemoteAction::Next, 0, ""}, true},
        {{"--previous", "--start"}, Kind::Command, {RemoteAction::Previous, 0, ""}, true},
        {{"--move-window", "9"}, Kind::Command, {RemoteAction::MoveWindow, 9, ""}, false},
        {{"--copy-window", "1"}, Kind::Command, {RemoteAction::CopyWindow, 1, ""}, false},
        {{"--record", "C:\\r 1.rec"}, Kind::Command, {RemoteAction::Record, 0, "C:\\r 1.rec"}, false},
        {{"--play", "--stop"}, Kind::Command, {RemoteAction::Play, 0, "--stop"}, false},
        {{"--current"}, Kind::Command, {RemoteAction::Current, 0, ""}, false},
        {{"--desktop", "12"}, Kind::Bad, {}, false},
        {{"--desktop", "0"}, Kind::Bad, {}, false},
        {{"--desktop", "3x"}, Kind::Bad, {}, false},
        {{"--desktop"}, Kind::Bad, {}, false},
        {{"--record", ""}, Kind::Bad, {}, false},
        {{"--show", "--hide"}, Kind::Bad, {}, false},
        {{"desktop", "3"}, Kind::Bad, {}, false},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& a : c.arguments) joined += "[" + a + "]";
        SCOPED_TRACE(joined);
        const CommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_EQ(parsed.kind, c.kind);
        EXPECT_EQ(parsed.error.empty(), c.kind != Kind::Bad);
        if (c.kind != Kind::Command) continue;
        EXPECT_EQ(parsed.command, c.command);
        EXPECT_EQ(parsed.start, c.start);
        EXPECT_EQ(ParseCommandLine(CommandArguments(parsed.command)).command, c.command) << "handed over intact";
    }
}

TEST_F(Commands, RemoteCommandsRunAsTheirKeysAndSayWhetherTheyWereCarriedOut) {
    const auto run = [&](RemoteAction action, int desktop = 0) { return commands.RunRemote({action, desktop, ""}); };
    EXPECT_EQ(run(RemoteAction::Desktop, 3).status, kCommandDone);
    EXPECT_EQ(state.CurrentDesktop, 3);
    EXPECT_EQ(run(RemoteAction::Current).text, "3");
    state.Desktop(3).Name = "Mail";
    EXPECT_EQ(run(RemoteAction::Current).text, "3 Mail");
    EXPECT_EQ(run(RemoteAction::Previous).status, kCommandDone);
    EXPECT_EQ(run(RemoteAction::Previous).status, kCommandDone);
    EXPECT_EQ(run(RemoteAction::Previous).status, kCommandDone);
    EXPECT_EQ(state.CurrentDesktop, 9) << "before 1 comes 9";
    EXPECT_EQ(run(RemoteAction::Next).status, kCommandDone);
    EXPECT_EQ(state.CurrentDesktop, 1);

    state.Desktop(4).Password = "four";
    state.Desktop(4).Forwhat = kPasswordOnEnter;
    prompt.answers = {PromptResult::Cancel};
    EXPECT_EQ(run(RemoteAction::Desktop, 4).status, kCommandNotDone) << "the password is asked as for the key";
    EXPECT_EQ(state.CurrentDesktop, 1);

    sim.windows.foreground = editor;
    EXPECT_EQ(run(RemoteAction::MoveWindow, 1).status, kCommandNotDone) << "already there";
    EXPECT_EQ(run(RemoteAction::MoveWindow, 5).status, kCommandDone);
    EXPECT_FALSE(sim.windows.IsVisible(editor));
    sim.windows.foreground = state.MainWindowHandle;
    EXPECT_EQ(run(RemoteAction::CopyWindow, 6).status, kCommandNotDone) << "the program's own window never qualifies";

    EXPECT_EQ(run(RemoteAction::Stop).status, kCommandNotDone);
    EXPECT_EQ(commands.RunRemote({RemoteAction::Play, 0, "C:\\missing.rec"}).status, kCommandNotDone);
    EXPECT_TRUE(std::none_of(prompt.asked.begin(), prompt.asked.end(),
                             [](const auto& q) { return q.message == "Can not open the record file!"; }))
        << "a second start is told, not the user in a prompt";
    EXPECT_EQ(commands.RunRemote({RemoteAction::Record, 0, "C:\\Vesk\\r.rec"}).status, kCommandDone);
    EXPECT_TRUE(recorder.HookInstalled());
    EXPECT_EQ(commands.RunRemote({RemoteAction::Play, 0, "C:\\Vesk\\r.rec"}).status, kCommandNotDone);
    EXPECT_EQ(run(RemoteAction::Stop).status, kCommandDone);
    EXPECT_FALSE(recorder.HookInstalled());

    EXPECT_EQ(run(RemoteAction::Hide).status, kCommandDone);
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(run(RemoteAction::Show).status, kCommandDone);
    EXPECT_TRUE(host.visible);

    state.HotkeyGate = false;
    EXPECT_EQ(run(RemoteAction::Desktop, 2).status, kCommandNotDone) << "refused while a dialog runs";
    EXPECT_EQ(run(RemoteAction::Current).status, kCommandDone) << "a question is always answered";
    EXPECT_EQ(run(RemoteAction::Exit).status, kCommandNotDone);
    EXPECT_EQ(state.CurrentDesktop, 1);
    state.HotkeyGate = true;
    host.exitConfirmed = false;
    EXPECT_EQ(run(RemoteAction::Exit).status, kCommandNotDone);
    host.exitConfirmed = true;
    EXPECT_EQ(run(RemoteAction::Exit).status, kCommandDone);
    EXPECT_EQ(host.exits, 2);
}

TEST_F(Commands, ExitAsksThenGivesEverythingBack) {
    state.ControlPassword = "pw";
    prompt.answers = {PromptResult::Cancel};
    EXPECT_FALSE(commands.ExitSequence(false));
    EXPECT_EQ(prompt.asked.back().message, "Exit Password");
    EXPECT_TRUE(state.HotkeyGate);
    prompt.answers = {PromptResult::Ok, PromptResult::Cancel};
    EXPECT_FALSE(commands.ExitSequence(false));
    EXPECT_EQ(prompt.asked.back().message, "Really to Exit?");

    commands.HotkeyCommand(2);
    EXPECT_FALSE(sim.windows.IsVisible(editor));
    prompt.asked.clear();
    ASSERT_TRUE(commands.ExitSequence(false));
    EXPECT_EQ(prompt.asked.size(), 2u);
    EXPECT_TRUE(sim.windows.IsVisible(editor));
    EXPECT_EQ(sim.hotkeys.RegisteredCount(), 0u);
    EXPECT_TRUE(sim.registry.KeyExists(RegistryRoot::LocalMachine, reg::kCommonKey)) << "settings saved";
}

TEST_F(Commands, ExitWithoutPasswordsAsksOnlyForConfirmation) {
    ASSERT_TRUE(commands.ExitSequence(false));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].message, "Really to Exit?");

    state.ControlPassword = "pw";
    state.ExitMainWindow = false;
    prompt.asked.clear();
    commands.ExitSequence(false);
    EXPECT_EQ(prompt.asked.size(), 1u);
    prompt.asked.clear();
    EXPECT_TRUE(commands.ExitSequence(true)) << "after a refused main password nothing is asked";
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Commands, HelpOpensTheFileOnceAndRestoresAMinimisedViewer) {
    commands.Help();
    EXPECT_TRUE(sim.shell.opened.empty()) << "no help file, nothing happens";
    sim.files.Put("C:\\Vesk\\vesk.chm");
    commands.Help();
    EXPECT_EQ(sim.shell.opened, (std::vector<std::string>{"C:\\Vesk\\Vesk.CHM"}));
    const auto viewer = sim.windows.Create("HH Parent", "Vesk Help");
    commands.Help();
    EXPECT_EQ(sim.shell.opened.size(), 1u);
    sim.windows.Find(viewer)->minimized = true;
    commands.Help();
    EXPECT_FALSE(sim.windows.IsMinimized(viewer));
    sim.windows.Hide(viewer);
    commands.Help();
    EXPECT_EQ(sim.shell.opened.size(), 2u);
}

}  // namespace
}  // namespace vesk::engine
