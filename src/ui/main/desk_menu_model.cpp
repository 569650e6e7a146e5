#include "ui/main/desk_menu_model.h"

#include <algorithm>
#include <stdexcept>

namespace vesk::ui {
namespace {

constexpr int kTop = -1;
constexpr int kEnterDesktop = 3;  // index of "Enter Desktop"
constexpr int kCurrentDesk = 13;  // index of "Current Desk"
constexpr int kCommonSet = 20;    // index of "Common Set"
// The "Enter Desktop" items, desktop 1 first.
constexpr const char* kDesktopItems[] = {"Vesk11", "Vesk12", "Vesk31", "Vesk41", "Vesk51",
                                         "Vesk61", "Vesk71", "Vesk81", "Vesk91"};

std::vector<DeskMenuItem> MenuTable() {
    using H = MenuHandler;
    std::vector<DeskMenuItem> items = {
        {"MenuRecord", kTop, "Record KMEvent", 0, "Record Keyboard and Mouse Event", H::Record},
        {"MenuLoad", kTop, "Load Record", 0, "Load Keyboard and Mouse Event then Play", H::Play},
        {"N3", kTop, "-", 0, "", H::None},
        {"EnterDesktop1", kTop, "Enter Desktop", 0, "", H::None},
    };
    for (int n = 1; n <= 9; ++n) {
        items.push_back({kDesktopItems[n - 1], kEnterDesktop, "Vesk " + std::to_string(n), n, "", H::Vesk11Click});
    }
    const std::vector<DeskMenuItem> rest = {
        {"CurrentDesk1", kTop, "Current Desk", 0, "", H::None},
        {"MenuTask", kCurrentDesk, "Hide TaskBar", 0, "Show/Hide TaskBar", H::ToggleTaskbar},
        {"MenuIcon", kCurrentDesk, "Hide DeskIcon", 0, "Show/Hide DeskIcons", H::ToggleDesktopIcons},
        {"MenuMusic", kCurrentDesk, "Music On", 0, "Set Music On/Off", H::ToggleMusic},
        {"MenuWinClose", kCurrentDesk, "Close All Window", 0, "Close All Windows in Current Desktop", H::CloseAll},
        {"KillWindows1", kCurrentDesk, "Kill Select Windows", 11, "", H::KillProcess1Click},
        {"MenuWinCC", kCurrentDesk, "Windows Move/Copy", 0, "Cut/Copy Windows From One Desktop to Another",
         H::MenuWinCCClick},
        {"Common1", kTop, "Common Set", 0, "", H::None},
        {"KillProcess1", kCommonSet, "Kill  Processes", 10, "", H::KillProcess1Click},
        {"LookallWindows1", kCommonSet, "Look all Windows", 0, "", H::LookallWindows1Click},
        {"ShutDown1", kCommonSet, "ShutDown System", 0, "", H::ShutDown},
        {"Reboot1", kCommonSet, "Reboot   System", 0, "", H::Reboot},
        {"Sleep1", kCommonSet, "Sleep      Monitor", 0, "", H::Sleep},
        {"Options1", kCommonSet, "Options  Setting", 0, "", H::Options},
        {"N4", kTop, "-", 0, "", H::None},
        {"ShowHelp1", kTop, "Vesk Help", 0, "", H::Help},
        {"N1", kTop, "-", 0, "", H::None},
        {"CloseMe1", kTop, "Exit Vesk", 0, "", H::Exit},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

}  // namespace

DeskMenuModel::DeskMenuModel() : items_(MenuTable()) {}

bool DeskMenuModel::IsSubmenuHead(std::size_t index) const {
    return std::any_of(items_.begin(), items_.end(),
                       [&](const DeskMenuItem& item) { return item.parent == static_cast<int>(index); });
}

void DeskMenuModel::SetDesktopCaption(int desktop, const std::string& caption) {
    if (desktop >= 1 && desktop <= static_cast<int>(std::size(kDesktopItems))) SetCaption(kDesktopItems[desktop - 1], caption);
}

void DeskMenuModel::SetCaption(std::string_view name, const std::string& caption) {
    for (auto& item : items_) {
        if (item.name == name) item.caption = caption;
    }
}

const std::string& DeskMenuModel::Caption(std::string_view name) const {
    for (const auto& item : items_) {
        if (item.name == name) return item.caption;
    }
    throw std::out_of_range("no menu item named " + std::string(name));
}

MenuTextColor DeskMenuModel::TextColor(const DeskMenuItem& item, bool selected, int currentDesktop) {
    if (selected) return MenuTextColor::Navy;
    return item.tag == currentDesktop ? MenuTextColor::Red : MenuTextColor::Black;
}

std::optional<CommandRequest> DeskMenuModel::Click(std::size_t index) const {
    if (index >= items_.size()) return std::nullopt;
    const DeskMenuItem& item = items_[index];
    using H = MenuHandler;
    switch (item.handler) {
    case H::None: return std::nullopt;
    case H::Record: return CommandRequest{PanelCommand::Record};
    case H::Play: return CommandRequest{PanelCommand::Play};
    case H::Vesk11Click: return CommandRequest{PanelCommand::EnterDesktop, true, item.tag};
    case H::ToggleTaskbar: return CommandRequest{PanelCommand::ToggleTaskbar};
    case H::ToggleDesktopIcons: return CommandRequest{PanelCommand::ToggleDesktopIcons};
    case H::ToggleMusic: return CommandRequest{PanelCommand::ToggleMusic};
    case H::CloseAll: return CommandRequest{PanelCommand::CloseAll};
    case H::KillProcess1Click:
        if (item.tag == 10) return CommandRequest{PanelCommand::Killer, true};
        if (item.tag == 11) return CommandRequest{PanelCommand::Killer, false};
        return std::nullopt;
    case H::MenuWinCCClick: return CommandRequest{PanelCommand::WindowTools, true};
    case H::LookallWindows1Click: return CommandRequest{PanelCommand::WindowTools, false};
    case H::ShutDown: return CommandRequest{PanelCommand::ShutDown};
    case H::Reboot: return CommandRequest{PanelCommand::Reboot};
    case H::Sleep: return CommandRequest{PanelCommand::Sleep};
    case H::Options: return CommandRequest{PanelCommand::Options};
    case H::Help: return CommandRequest{PanelCommand::Help};
    case H::Exit: return CommandRequest{PanelCommand::Exit};
    }
    return std::nullopt;
}

std::string MenuItemText(const std::string& caption) {
    std::string text = caption;
    const auto amp = text.find('&');
    if (amp == std::string::npos) return text;
    text.erase(amp, 1);
    if (text == "-") return text;
    // "Name(&X)": the "(", the letter and the ")" around the removed "&" go too.
    if (amp >= 1 && amp + 1 < text.size() && text[amp - 1] == '(' && text[amp + 1] == ')') text.erase(amp - 1, 3);
    return text;
}

int MenuItemHeight(const std::string& caption) { return caption == "-" ? 22 / 3 : 22; }

}  // namespace vesk::ui
