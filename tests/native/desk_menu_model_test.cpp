#include "ui/main/desk_menu_model.h"

#include <gtest/gtest.h>

namespace vesk::ui {
namespace {

const DeskMenuItem& Named(const DeskMenuModel& menu, std::string_view name) {
    for (const auto& item : menu.Items()) {
        if (item.name == name) return item;
    }
    throw std::out_of_range(std::string(name));
}

std::size_t IndexOf(const DeskMenuModel& menu, std::string_view name) {
    const auto& items = menu.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == name) return i;
    }
    throw std::out_of_range(std::string(name));
}

std::string ParentName(const DeskMenuModel& menu, std::string_view name) {
    const int parent = Named(menu, name).parent;
    return parent < 0 ? "menu" : menu.Items()[static_cast<std::size_t>(parent)].name;
}

TEST(DeskMenuTest, ItemsSitInTheirSubmenusInOrder) {
    const DeskMenuModel menu;
    std::vector<std::string> top;
    for (const auto& item : menu.Items()) {
        if (item.parent < 0) top.push_back(item.caption);
    }
    EXPECT_EQ(top, (std::vector<std::string>{"Record KMEvent", "Load Record", "-", "Enter Desktop", "Current Desk",
                                             "Common Set", "-", "Vesk Help", "-", "Exit Vesk"}));
    for (const char* name : {"Vesk11", "Vesk12", "Vesk31", "Vesk91"}) EXPECT_EQ(ParentName(menu, name), "EnterDesktop1");
    for (const char* name : {"MenuTask", "MenuIcon", "MenuMusic", "MenuWinClose", "KillWindows1", "MenuWinCC"})
        EXPECT_EQ(ParentName(menu, name), "CurrentDesk1");
    for (const char* name : {"KillProcess1", "LookallWindows1", "ShutDown1", "Reboot1", "Sleep1", "Options1"})
        EXPECT_EQ(ParentName(menu, name), "Common1");
    EXPECT_TRUE(menu.IsSubmenuHead(IndexOf(menu, "EnterDesktop1")));
    EXPECT_TRUE(menu.IsSubmenuHead(IndexOf(menu, "Common1")));
    EXPECT_FALSE(menu.IsSubmenuHead(IndexOf(menu, "MenuRecord")));
    // The blanks inside these captions belong to them.
    EXPECT_EQ(Named(menu, "KillProcess1").caption, "Kill  Processes");
    EXPECT_EQ(Named(menu, "Reboot1").caption, "Reboot   System");
    EXPECT_EQ(Named(menu, "Sleep1").caption, "Sleep      Monitor");
    EXPECT_EQ(Named(menu, "Options1").caption, "Options  Setting");
    EXPECT_EQ(Named(menu, "MenuIcon").caption, "Hide DeskIcon");
}

TEST(DeskMenuTest, DesktopEntriesEnterTheirTaggedDesktop) {
    const DeskMenuModel menu;
    const char* names[] = {"Vesk11", "Vesk12", "Vesk31", "Vesk41", "Vesk51", "Vesk61", "Vesk71", "Vesk81", "Vesk91"};
    for (int n = 1; n <= 9; ++n) {
        const auto& item = Named(menu, names[n - 1]);
        EXPECT_EQ(item.caption, "Vesk " + std::to_string(n));
        EXPECT_EQ(menu.Click(IndexOf(menu, names[n - 1])), (CommandRequest{PanelCommand::EnterDesktop, true, n}));
    }
}

TEST(DeskMenuTest, OnlyTheCurrentDesktopsEntryIsRedAndSelectionIsNavy) {
    const DeskMenuModel menu;
    int red = 0;
    for (const auto& item : menu.Items()) {
        if (DeskMenuModel::TextColor(item, false, 4) == MenuTextColor::Red) {
            ++red;
            EXPECT_EQ(item.caption, "Vesk 4");
        }
        EXPECT_EQ(DeskMenuModel::TextColor(item, true, 4), MenuTextColor::Navy);
    }
    EXPECT_EQ(red, 1);
    // The kill items carry tags 10 and 11, never a desktop number.
    EXPECT_EQ(DeskMenuModel::TextColor(Named(menu, "KillProcess1"), false, 1), MenuTextColor::Black);
}

TEST(DeskMenuTest, ClicksReachTheCommandsOfTheMainWindow) {
    const DeskMenuModel menu;
    const auto click = [&](const char* name) { return menu.Click(IndexOf(menu, name)); };
    EXPECT_EQ(click("MenuRecord"), (CommandRequest{PanelCommand::Record}));
    EXPECT_EQ(click("MenuLoad"), (CommandRequest{PanelCommand::Play}));
    EXPECT_EQ(click("MenuTask"), (CommandRequest{PanelCommand::ToggleTaskbar}));
    EXPECT_EQ(click("MenuIcon"), (CommandRequest{PanelCommand::ToggleDesktopIcons}));
    EXPECT_EQ(click("MenuMusic"), (CommandRequest{PanelCommand::ToggleMusic}));
    EXPECT_EQ(click("MenuWinClose"), (CommandRequest{PanelCommand::CloseAll}));
    EXPECT_EQ(click("KillProcess1"), (CommandRequest{PanelCommand::Killer, true}));
    EXPECT_EQ(click("KillWindows1"), (CommandRequest{PanelCommand::Killer, false}));
    EXPECT_EQ(click("MenuWinCC"), (CommandRequest{PanelCommand::WindowTools, true}));
    EXPECT_EQ(click("LookallWindows1"), (CommandRequest{PanelCommand::WindowTools, false}));
    EXPECT_EQ(click("ShutDown1"), (CommandRequest{PanelCommand::ShutDown}));
    EXPECT_EQ(click("Reboot1"), (CommandRequest{PanelCommand::Reboot}));
    EXPECT_EQ(click("Sleep1"), (CommandRequest{PanelCommand::Sleep}));
    EXPECT_EQ(click("Options1"), (CommandRequest{PanelCommand::Options}));
    EXPECT_EQ(click("ShowHelp1"), (CommandRequest{PanelCommand::Help}));
    EXPECT_EQ(click("CloseMe1"), (CommandRequest{PanelCommand::Exit}));
    for (const char* inert : {"N1", "N3", "N4", "EnterDesktop1", "CurrentDesk1", "Common1"})
        EXPECT_EQ(click(inert), std::nullopt) << inert;
    EXPECT_EQ(menu.Click(menu.Items().size()), std::nullopt);
}

TEST(DeskMenuTest, RunTimeCaptionsChangeByName) {
    DeskMenuModel menu;
    menu.SetCaption("MenuMusic", "Music Off");
    menu.SetCaption("MenuRecord", "Stop Record");
    menu.SetCaption("NoSuchItem", "x");
    EXPECT_EQ(menu.Caption("MenuMusic"), "Music Off");
    EXPECT_EQ(menu.Caption("MenuRecord"), "Stop Record");
    EXPECT_EQ(menu.Caption("MenuLoad"), "Load Record");
}

TEST(TrayMenu, CaptionsLoseTheirAcceleratorAndSeparatorsAreThin) {
    EXPECT_EQ(MenuItemText("Name(&X)"), "Name");
    EXPECT_EQ(MenuItemText("Exit Vesk"), "Exit Vesk");
    EXPECT_EQ(MenuItemText("&Options"), "Options");
    EXPECT_EQ(MenuItemText("&-"), "-");
    EXPECT_EQ(MenuItemHeight("-"), 7);
    EXPECT_EQ(MenuItemHeight("Vesk 1"), 22);
}

}  // namespace
}  // namespace vesk::ui
