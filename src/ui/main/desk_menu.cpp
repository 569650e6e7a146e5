#include "ui/main/desk_menu.h"

#include <vector>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"
#include "ui/flat/dpi.h"
#include "ui/main/scaled_font.h"

namespace vesk::ui {
namespace {

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle menu) { DestroyMenu(menu); }
};
using ScopedMenu = platform::win32::Scoped<MenuTraits>;

constexpr COLORREF kItemBack = RGB(255, 255, 255);
constexpr COLORREF kSelectedBar = RGB(192, 192, 192);
constexpr COLORREF kFrame = RGB(0, 0, 0);
constexpr COLORREF kSeparatorDark = RGB(127, 127, 127);
constexpr COLORREF kSeparatorLight = RGB(223, 223, 223);
constexpr int kFontPoints = 9;
constexpr int kTextLeft = 10;  // reference pixels from the item's left edge
constexpr int kTextTop = 3;
constexpr int kExtraWidth = 20;

// Item data carries the index into the model's table, plus one so that no
// item has 0, which the system uses for "none".
ULONG_PTR DataOf(std::size_t index) { return index + 1; }

COLORREF ColorOf(MenuTextColor color) {
    switch (color) {
    case MenuTextColor::Red: return RGB(255, 0, 0);
    case MenuTextColor::Navy: return RGB(0, 0, 128);
    case MenuTextColor::Black: break;
    }
    return RGB(0, 0, 0);
}

void Line(HDC dc, COLORREF color, int fromX, int y, int toX) {
    const flat::ScopedPen pen{CreatePen(PS_SOLID, 1, color)};
    const flat::Selection selected(dc, pen.get());
    MoveToEx(dc, fromX, y, nullptr);
    LineTo(dc, toX, y);
}

void Box(HDC dc, const RECT& r, COLORREF fill, COLORREF frame) {
    const flat::ScopedPen pen{CreatePen(PS_SOLID, 1, frame)};
    const flat::ScopedBrush brush{CreateSolidBrush(fill)};
    const flat::Selection penSelected(dc, pen.get());
    const flat::Selection brushSelected(dc, brush.get());
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

}  // namespace

DeskMenu::DeskMenu(const DeskMenuModel& model)
    : model_(model), font_(ScaledFont(L"MS Sans Serif", kFontPoints, scale_)) {}

void DeskMenu::SetScale(platform::DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    font_ = ScaledFont(L"MS Sans Serif", kFontPoints, scale_);
}

std::optional<std::size_t> DeskMenu::PopUp(HWND owner, POINT at) {
    SetScale(flat::SystemScale());
    const auto& items = model_.Items();
    ScopedMenu top{CreatePopupMenu()};
    if (!top) return std::nullopt;
    // Submenu heads come before their items, so each submenu exists by the
    // time its first item is appended.
    std::vector<HMENU> submenus(items.size(), nullptr);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const DeskMenuItem& item = items[i];
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
        info.fType = MFT_OWNERDRAW | (item.caption == "-" ? MFT_SEPARATOR : 0);
        info.wID = static_cast<UINT>(DataOf(i));
        info.dwItemData = DataOf(i);
        if (model_.IsSubmenuHead(i)) {
            submenus[i] = CreatePopupMenu();
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenus[i];
        }
        const HMENU into = item.parent < 0 ? top.get() : submenus[static_cast<std::size_t>(item.parent)];
        if (into) InsertMenuItemW(into, GetMenuItemCount(into), TRUE, &info);
    }
    // A tray menu stays open after a click elsewhere unless the owner is the
    // foreground window while it runs, and it needs a message to the owner
    // afterwards to close properly.
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(top.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0,
                       owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0 || chosen > items.size()) return std::nullopt;
    return chosen - 1;
}

const DeskMenuItem* DeskMenu::ItemOf(ULONG_PTR data) const {
    const auto& items = model_.Items();
    if (data == 0 || data > items.size()) return nullptr;
    return &items[data - 1];
}

bool DeskMenu::Measure(HWND owner, MEASUREITEMSTRUCT& measure) const {
    if (measure.CtlType != ODT_MENU) return false;
    const DeskMenuItem* item = ItemOf(measure.itemData);
    if (!item) return false;
    measure.itemHeight = static_cast<UINT>(scale_.Px(MenuItemHeight(item->caption)));
    const std::wstring text = platform::win32::Widen(MenuItemText(item->caption));
    SIZE size{};
    if (const flat::WindowDc dc(owner, flat::WindowDc::Area::Client); dc.get()) {
        const flat::Selection selected(dc.get(), font_.get());
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    measure.itemWidth = static_cast<UINT>(size.cx + scale_.Px(kExtraWidth));
    return true;
}

bool DeskMenu::Draw(const DRAWITEMSTRUCT& draw, int currentDesktop) const {
    if (draw.CtlType != ODT_MENU) return false;
    const DeskMenuItem* item = ItemOf(draw.itemData);
    if (!item) return false;
    const HDC dc = draw.hDC;
    const RECT& r = draw.rcItem;
    Box(dc, r, kItemBack, kItemBack);
    SetBkMode(dc, TRANSPARENT);

    const std::string text = MenuItemText(item->caption);
    if (text == "-") {
        const int middle = (r.top + r.bottom) / 2;
        Line(dc, kSeparatorDark, 0, middle, r.right - r.left);
        Line(dc, kSeparatorLight, 0, middle + 1, r.right - r.left);
        return true;
    }
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (selected) Box(dc, r, kSelectedBar, kFrame);
    const flat::Selection font(dc, font_.get());
    SetTextColor(dc, ColorOf(DeskMenuModel::TextColor(*item, selected, currentDesktop)));
    const std::wstring wide = platform::win32::Widen(text);
    TextOutW(dc, r.left + scale_.Px(kTextLeft), r.top + scale_.Px(kTextTop), wide.c_str(),
             static_cast<int>(wide.size()));
    return true;
}

}  // namespace vesk::ui
