#pragma once
#include "platform/win32/windows_api.h"

#include <optional>

#include "platform/display_scale.h"
#include "ui/flat/gdi.h"
#include "ui/main/desk_menu_model.h"

namespace vesk::ui {

// The tray icon's desktop menu on the screen: built from the model each time
// it pops up, so every caption is measured as it is now, and drawn by its
// owner window, which passes WM_MEASUREITEM and WM_DRAWITEM on here.
class DeskMenu {
public:
    explicit DeskMenu(const DeskMenuModel& model);

    // Runs the menu's modal loop with its top-left corner at `at` (screen
    // pixels; the system keeps it on the screen). The index of the chosen
    // item, or nullopt when the menu was closed without a choice.
    std::optional<std::size_t> PopUp(HWND owner, POINT at);
    // The scale the items are measured and drawn at; PopUp takes the
    // system's, as the menu opens on the primary screen.
    void SetScale(platform::DisplayScale scale);
    // False when the message is not about this menu's items.
    bool Measure(HWND owner, MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item, int currentDesktop) const;

private:
    const DeskMenuItem* ItemOf(ULONG_PTR data) const;

    const DeskMenuModel& model_;
    platform::DisplayScale scale_;  // font_ is made for it
    flat::ScopedFont font_;
};

}  // namespace vesk::ui
