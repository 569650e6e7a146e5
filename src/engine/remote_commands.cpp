// The commands a second start hands over (Vesk.exe --desktop 3 and the like),
// carried out as their hotkeys and menu items are.
#include "engine/main_commands.h"

#include "engine/hotkey_gate.h"

namespace vesk::engine {
namespace {

RemoteReply NotDone(std::string why) { return {kCommandNotDone, std::move(why)}; }

int Wrapped(int desktop) { return (desktop + kDesktopCount - 1) % kDesktopCount + 1; }

}  // namespace

RemoteReply MainCommands::RunRemote(const RemoteCommand& command) {
    TControlDesktop& s = d_.state;
    if (command.action == RemoteAction::Current) {
        const std::string& name = s.Desktop(s.CurrentDesktop).Name;
        return {kCommandDone, std::to_string(s.CurrentDesktop) + (name.empty() ? "" : " " + name)};
    }
    if (!s.HotkeyGate || switching_) return NotDone("Vesk is busy with a dialog or a switch; nothing was done.");
    const auto switchTo = [&](int desktop) {
        SwitchForDesktopKey(desktop);
        if (s.CurrentDesktop == desktop) return RemoteReply{};
        return NotDone("Desktop " + std::to_string(desktop) + " was not entered.");
    };
    const auto listOn = [&](int desktop, void (*put)(DesktopContext&, int)) {
        if (desktop == s.CurrentDesktop) return NotDone("The window is on desktop " + std::to_string(desktop) + " already.");
        const std::size_t before = s.Desktop(desktop).WindowList.size();
        {
            GateClosed gate(s);
            put(d_, desktop);
        }
        if (s.Desktop(desktop).WindowList.size() > before) return RemoteReply{};
        return NotDone("The foreground window cannot be put on another desktop.");
    };
    switch (command.action) {
    case RemoteAction::Desktop: return switchTo(command.desktop);
    case RemoteAction::Next: return switchTo(Wrapped(s.CurrentDesktop + 1));
    case RemoteAction::Previous: return switchTo(Wrapped(s.CurrentDesktop - 1));
    case RemoteAction::MoveWindow: return listOn(command.desktop, MoveForegroundWindow);
    case RemoteAction::CopyWindow: return listOn(command.desktop, CopyForegroundWindow);
    case RemoteAction::Record:
        if (recorder_.RecordInto(command.file)) return {};
        return NotDone("Cannot record into \"" + command.file + "\" (busy recording or playing, or no such folder).");
    case RemoteAction::Play:
        if (recorder_.PlayFrom(command.file)) return {};
        return NotDone("Cannot play \"" + command.file + "\" (busy recording or playing, or no such file).");
    case RemoteAction::Stop:
        if (!recorder_.HookInstalled()) return NotDone("Nothing is being recorded or played.");
        recorder_.StopHook();
        return {};
    case RemoteAction::Show: {
        GateClosed gate(s);
        if (!host_.MainWindowVisible()) host_.ShowMainWindow();
        return host_.MainWindowVisible() ? RemoteReply{} : NotDone("The main window stayed hidden.");
    }
    case RemoteAction::Hide:
        host_.HideMainWindow();
        return {};
    case RemoteAction::Exit:
        return host_.ExitNow() ? RemoteReply{} : NotDone("The exit was cancelled.");
    case RemoteAction::Current: break;
    }
    return NotDone("That command is not taken here.");
}

}  // namespace vesk::engine
