#include "engine/main_commands.h"

#include "engine/appearance.h"
#include "engine/hotkey_gate.h"
#include "engine/hotkeys.h"
#include "engine/system_actions.h"

namespace vesk::engine {
namespace {

constexpr const char* kHelpFile = "Vesk.CHM";
constexpr const char* kHelpWindowTitle = "Vesk Help";

}  // namespace

MainCommands::MainCommands(DesktopContext& desktop, RecorderCommands& recorder, CommandHost& host)
    : d_(desktop), recorder_(recorder), host_(host) {}

void MainCommands::HotkeyCommand(int id) {
    TControlDesktop& s = d_.state;
    if (!s.HotkeyGate || id < kFirstHotkeyId || id > kLastHotkeyId) return;
    if (id >= 1 && id <= kDesktopCount) {
        // The gate stays open during a switch and its password prompts.
        SwitchForDesktopKey(id);
    } else if (id == kMainWindowHotkey) {
        GateClosed gate(s);
        ToggleMainWindow();
    } else if (id > kMoveHotkeyBase && id <= kMoveHotkeyBase + kDesktopCount) {
        GateClosed gate(s);
        MoveForegroundWindow(d_, id - kMoveHotkeyBase);
    } else if (id > kCopyHotkeyBase && id <= kCopyHotkeyBase + kDesktopCount) {
        GateClosed gate(s);
        CopyForegroundWindow(d_, id - kCopyHotkeyBase);
    } else if (id == kSettingsHotkey) {
        Options();
    } else if (id == kRecordHotkey) {
        recorder_.RecordCommand();
    } else if (id == kPlayHotkey) {
        recorder_.PlayCommand();
    }
}

void MainCommands::SwitchForDesktopKey(int desktop) {
    waitingDesktopKeys_.push_back(desktop);
    if (switching_) return;
    switching_ = true;
    struct Done {
        MainCommands& commands;
        ~Done() {
            commands.switching_ = false;
            commands.waitingDesktopKeys_.clear();
        }
    } done{*this};
    while (!waitingDesktopKeys_.empty()) {
        const int next = waitingDesktopKeys_.front();
        waitingDesktopKeys_.pop_front();
        if (next != d_.state.CurrentDesktop) SwitchDesktop(d_, next);
    }
}

void MainCommands::ToggleMainWindow() {
    if (host_.MainWindowVisible()) return host_.HideMainWindow();
    const std::string& password = d_.state.ControlPassword;
    if (!password.empty() && d_.prompt.Ask("Enter Password", true, password) != PromptResult::Ok) return;
    host_.ShowMainWindow();
}

void MainCommands::SelectDesktop(int desktop) {
    if (switching_ || desktop < 1 || desktop > kDesktopCount || desktop == d_.state.CurrentDesktop) return;
    GateClosed gate(d_.state);
    SwitchDesktop(d_, desktop);
}

void MainCommands::ApplyShellWindowFlag(WindowHandle window, bool wanted,
                                        void (DesktopView::*setCaption)(const std::string&), const char* shownCaption,
                                        const char* hiddenCaption) {
    if (wanted && ShowShellWindow(d_.system.windows, window)) (d_.view.*setCaption)(shownCaption);
    else if (!wanted && HideShellWindow(d_.system.windows, window)) (d_.view.*setCaption)(hiddenCaption);
}

void MainCommands::ToggleShellWindow(bool DesktopRecord::*flag, WindowHandle window,
                                     void (DesktopView::*setCaption)(const std::string&), const char* shownCaption,
                                     const char* hiddenCaption) {
    bool& shown = d_.state.Desktop(d_.state.CurrentDesktop).*flag;
    shown = !shown;
    if (shown) d_.system.windows.Show(window);
    else d_.system.windows.Hide(window);
    (d_.view.*setCaption)(shown ? shownCaption : hiddenCaption);
}

void MainCommands::ToggleTaskbar() {
    ToggleShellWindow(&DesktopRecord::TrayWnd, d_.state.TaskbarWindow, &DesktopView::SetTaskbarCommandCaption,
                      "Hide TaskBar", "Show TaskBar");
}

void MainCommands::ToggleDesktopIcons() {
    ToggleShellWindow(&DesktopRecord::ProgWnd, d_.state.DesktopIconsWindow, &DesktopView::SetIconsCommandCaption,
                      "Hide Desk", "Show Desk");
}

void MainCommands::ToggleMusic() {
    DesktopRecord& current = d_.state.Desktop(d_.state.CurrentDesktop);
    current.Volume = !current.Volume;
    ApplyMusic(d_);
}

bool MainCommands::Confirm(const std::string& question) {
    return d_.prompt.Ask(question, false, {}) == PromptResult::Ok;
}

void MainCommands::CloseAll() {
    TControlDesktop& s = d_.state;
    GateClosed gate(s);
    if (!Confirm("It Will Close All Windows in Desktop" + std::to_string(s.CurrentDesktop) + "\r\nAre you sure?")) return;
    CollectDesktopWindows(s, d_.system.windows, s.CurrentDesktop);
    auto& list = s.Desktop(s.CurrentDesktop).WindowList;
    for (auto w : list) d_.system.windows.PostClose(w);
    list.clear();
}

void MainCommands::Killer(bool leftButton) {
    GateClosed gate(d_.state);
    if (!leftButton) CollectDesktopWindows(d_.state, d_.system.windows, d_.state.CurrentDesktop);
    host_.RunKiller(leftButton ? KillerMode::Processes : KillerMode::DesktopWindows);
}

void MainCommands::ShutDown() {
    GateClosed gate(d_.state);
    if (Confirm("Really to ShutDown System?")) ExitSystem(d_.state, d_.system.power, d_.prompt, platform::ExitMode::Shutdown);
}

void MainCommands::Reboot() {
    GateClosed gate(d_.state);
    if (Confirm("Really to ReBoot System?")) ExitSystem(d_.state, d_.system.power, d_.prompt, platform::ExitMode::Reboot);
}

void MainCommands::Sleep() { SleepSystem(d_.system.power); }

void MainCommands::WindowTools(bool leftButton) {
    TControlDesktop& s = d_.state;
    GateClosed gate(s);
    if (leftButton) {
        CollectDesktopWindows(s, d_.system.windows, s.CurrentDesktop);
        host_.RunWindowMoveDialog();
        return;
    }
    SnapshotAllWindows(s, d_.system.windows);
    host_.RunKiller(KillerMode::AllWindows);
    s.AllWindows.clear();
}

void MainCommands::Options() {
    TControlDesktop& s = d_.state;
    GateClosed gate(s);
    if (!s.SettingPassword.empty() && d_.prompt.Ask("Enter Password", true, s.SettingPassword) != PromptResult::Ok) return;
    UnregisterHotkeys(d_.system.hotkeys, s.MainWindowHandle);
    const DesktopRecord before = s.Desktop(s.CurrentDesktop);
    const bool showIconBefore = s.ShowIcon;
    if (host_.RunSettingsDialog()) {
        ApplyMusic(d_);
        const DesktopRecord& now = s.Desktop(s.CurrentDesktop);
        ApplyShellWindowFlag(s.DesktopIconsWindow, now.ProgWnd, &DesktopView::SetIconsCommandCaption, "Hide Desk", "Show Desk");
        ApplyShellWindowFlag(s.TaskbarWindow, now.TrayWnd, &DesktopView::SetTaskbarCommandCaption, "Hide TaskBar",
                             "Show TaskBar");
        if (now.Wallpaper != before.Wallpaper || now.TileWall != before.TileWall) {
            ApplyWallpaper(s, d_.system, s.CurrentDesktop);
        }
        if (s.ShowIcon != showIconBefore) host_.SetTrayIconShown(s.ShowIcon);
    }
    RegisterHotkeys(s, d_.system.hotkeys, s.MainWindowHandle);
}

void MainCommands::Help() {
    const std::string file = d_.state.ProgramDir + kHelpFile;
    auto& windows = d_.system.windows;
    if (!d_.system.files.Exists(file)) return;
    const WindowHandle viewer = windows.FindByTitle(kHelpWindowTitle);
    if (viewer != platform::kNoWindow && windows.IsMinimized(viewer)) windows.Restore(viewer);
    else if (viewer == platform::kNoWindow || !windows.IsVisible(viewer)) d_.system.shell.Open(file);
}

void MainCommands::About() {
    GateClosed gate(d_.state);
    host_.RunAbout();
}

void MainCommands::StartUp() {
    TControlDesktop& s = d_.state;
    CollectDesktopWindows(s, d_.system.windows, s.CurrentDesktop);
    if (!RegisterHotkeys(s, d_.system.hotkeys, s.MainWindowHandle)) Options();
}

bool MainCommands::ExitSequence(bool mainPasswordRefused) {
    TControlDesktop& s = d_.state;
    s.HotkeyGate = false;
    if (!mainPasswordRefused) {
        const bool asked = !s.ControlPassword.empty() && s.ExitMainWindow;
        if ((asked && d_.prompt.Ask("Exit Password", true, s.ControlPassword) != PromptResult::Ok) ||
            !Confirm("Really to Exit?")) {
            s.HotkeyGate = true;
            return false;
        }
    }
    if (recorder_.HookInstalled()) recorder_.StopHook();
    else recorder_.CloseArmedFile();
    UnregisterHotkeys(d_.system.hotkeys, s.MainWindowHandle);
    SaveSettings(s, d_.system.registry, d_.system.files.ExecutablePath());
    RestoreDesktop(d_);
    return true;
}

}  // namespace vesk::engine
