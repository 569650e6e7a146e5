#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/main/panel_command.h"

namespace vesk::ui {

// The click handler an item of the tray menu is wired to.
enum class MenuHandler {
    None,  // separators and submenu heads
    Record,
    Play,
    Vesk11Click,        // enter the desktop named by the tag
    ToggleTaskbar,
    ToggleDesktopIcons,
    ToggleMusic,
    CloseAll,
    KillProcess1Click,  // tag 10: processes, tag 11: the current desktop's windows
    MenuWinCCClick,
    LookallWindows1Click,
    ShutDown,
    Reboot,
    Sleep,
    Options,
    Help,
    Exit,
};

struct DeskMenuItem {
    const char* name;
    int parent;  // index of the submenu head the item belongs to; -1 for the top level
    std::string caption;
    int tag;
    const char* hint;  // kept with the item; nothing shows it
    MenuHandler handler;
};

enum class MenuTextColor { Black, Red, Navy };

// The tray icon's desktop menu without the drawing: its items in order, the
// captions that change at run time, the colour rule and what a click runs.
class DeskMenuModel {
public:
    DeskMenuModel();

    const std::vector<DeskMenuItem>& Items() const { return items_; }
    bool IsSubmenuHead(std::size_t index) const;
    // Sets the caption of the item with that name; unknown names are ignored.
    void SetCaption(std::string_view name, const std::string& caption);
    // The caption of desktop n's "Enter Desktop" item (1-9).
    void SetDesktopCaption(int desktop, const std::string& caption);
    const std::string& Caption(std::string_view name) const;

    // Navy when selected; otherwise red for the current desktop's entry.
    static MenuTextColor TextColor(const DeskMenuItem& item, bool selected, int currentDesktop);
    // What choosing the item runs; nothing for separators, submenu heads and
    // unknown kill tags.
    std::optional<CommandRequest> Click(std::size_t index) const;

private:
    std::vector<DeskMenuItem> items_;
};

// "Name(&X)" is drawn as "Name"; any other "&" is dropped.
std::string MenuItemText(const std::string& caption);
// Item heights of the owner-drawn tray menu, in pixels.
int MenuItemHeight(const std::string& caption);

}  // namespace vesk::ui
