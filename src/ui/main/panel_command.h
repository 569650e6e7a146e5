#pragma once

namespace vesk::ui {

// What a command label, a panel button, the selector or a tray menu item asks
// the main window to run.
enum class PanelCommand {
    Record,
    Play,
    ToggleTaskbar,
    ToggleDesktopIcons,
    ToggleMusic,
    CloseAll,
    Killer,       // leftButton: processes; otherwise the current desktop's windows
    ShutDown,
    Reboot,
    Sleep,
    WindowTools,  // leftButton: move/copy dialog; otherwise every window in the killer
    Options,
    Help,
    About,
    Minimize,
    Exit,
    SelectDesktop,  // the selector: a switch unless `desktop` is the current one
    EnterDesktop,   // the tray menu: behaves like the desktop's hotkey
};

struct CommandRequest {
    PanelCommand command;
    bool leftButton = true;
    int desktop = 0;  // 1 to 9 for SelectDesktop and EnterDesktop
    bool operator==(const CommandRequest&) const = default;
};

}  // namespace vesk::ui
