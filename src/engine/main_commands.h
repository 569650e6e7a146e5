#pragma once
#include <deque>

#include "engine/command_line.h"
#include "engine/desktop_switch.h"
#include "engine/recorder_commands.h"

namespace vesk::engine {

enum class KillerMode { Processes = 0, DesktopWindows = 1, AllWindows = 2 };

// The main window's part in the commands: its visibility and the dialogs it
// runs modally.
class CommandHost {
public:
    virtual ~CommandHost() = default;
    virtual bool MainWindowVisible() = 0;
    // Showing runs the window's show handler, which asks the main password.
    virtual void ShowMainWindow() = 0;
    virtual void HideMainWindow() = 0;
    // Closing runs the exit sequence.
    virtual void CloseMainWindow() = 0;
    // The exit sequence at once, for a command that must answer whether it
    // was carried out; false when the user cancelled it.
    virtual bool ExitNow() = 0;
    // True when the dialog ended with OK.
    virtual bool RunSettingsDialog() = 0;
    virtual void RunKiller(KillerMode mode) = 0;
    virtual void RunWindowMoveDialog() = 0;
    virtual void RunAbout() = 0;
    virtual void SetTrayIconShown(bool shown) = 0;
};

// Every command of the main window, the tray menu and the hotkeys. Commands
// that show a dialog or work on window lists close the hotkey gate while
// they run, so a hotkey arriving meanwhile is dropped, not queued.
class MainCommands {
public:
    MainCommands(DesktopContext& desktop, RecorderCommands& recorder, CommandHost& host);

    void HotkeyCommand(int id);
    void SelectDesktop(int desktop);  // a click on the selector
    void ToggleTaskbar();
    void ToggleDesktopIcons();
    void ToggleMusic();
    void CloseAll();
    void Killer(bool leftButton);
    void ShutDown();
    void Reboot();
    void Sleep();
    void WindowTools(bool leftButton);
    void Options();
    void Help();
    void About();

    // After the skin is in place on the first show: desktop 1 takes the
    // windows on screen, and the hotkeys go in; a conflict opens the options.
    void StartUp();
    // The exit sequence. False when the user refused; otherwise every window
    // is given back, settings are saved, and the window may close.
    // mainPasswordRefused: closing because the main password was refused;
    // nothing more is asked then.
    bool ExitSequence(bool mainPasswordRefused);
    // A command from the command line of a second start. Refused while a
    // dialog, a prompt or a switch is under way, as a hotkey would be.
    RemoteReply RunRemote(const RemoteCommand& command);

private:
    void ToggleMainWindow();
    // Switches for a desktop key, or queues the key when a switch is under
    // way: a switch's password prompt runs a message loop, and a switch
    // started inside it would hide the prompt with the desktop it leaves.
    void SwitchForDesktopKey(int desktop);
    void ApplyShellWindowFlag(WindowHandle window, bool wanted, void (DesktopView::*setCaption)(const std::string&),
                              const char* shownCaption, const char* hiddenCaption);
    // The caption names what the next click does: "Hide ..." while shown.
    void ToggleShellWindow(bool DesktopRecord::*flag, WindowHandle window,
                           void (DesktopView::*setCaption)(const std::string&), const char* shownCaption,
                           const char* hiddenCaption);
    bool Confirm(const std::string& question);

    DesktopContext& d_;
    RecorderCommands& recorder_;
    CommandHost& host_;
    bool switching_ = false;
    std::deque<int> waitingDesktopKeys_;  // in the order they arrived
};

}  // namespace vesk::engine
