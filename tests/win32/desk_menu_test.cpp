#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "test_windows.h"
#include "ui/flat/gdi.h"
#include "ui/main/desk_menu.h"
#include "ui/main/numbered_icon.h"

namespace vesk::test {

namespace flat = ui::flat;
namespace {

// Where dark pixels lie in an item drawn on white, in its pixels.
struct Ink {
    int top = 0, bottom = 0, right = 0;  // bottom and right: one past the last dark row and column
};

Ink DrawnInk(const ui::DeskMenu& menu, HDC dc, std::size_t index, int width, int height) {
    const flat::WindowDc screen(nullptr, flat::WindowDc::Area::Client);
    const flat::ScopedBitmap bitmap{CreateCompatibleBitmap(screen.get(), width, height)};
    const flat::Selection selected(dc, bitmap.get());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemData = index + 1;
    draw.hDC = dc;
    draw.rcItem = {0, 0, width, height};
    menu.Draw(draw, 1);
    Ink ink{height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) > 3 * 160) continue;
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y + 1);
            ink.right = std::max(ink.right, x + 1);
        }
    }
    return ink;
}

// Each item at 100 % to 200 %: as many pixels high as the scale makes of 22,
// and its text, grown with the scale, inside the item with room to spare.
TEST(DeskMenuTest, ItemsAndTheirTextGrowWithTheScaleAndNothingIsClipped) {
    const TestWindowClass windowClass(L"VeskDeskMenuTest");
    const TestWindow owner(windowClass, L"owner", false);
    const flat::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    const ui::DeskMenuModel model;
    ui::DeskMenu menu(model);
    int inkAt100 = 0;
    for (const int dpi : {96, 120, 144, 192}) {
        const platform::DisplayScale scale(dpi);
        menu.SetScale(scale);
        int tallest = 0;
        for (std::size_t i = 0; i < model.Items().size(); ++i) {
            const std::string& caption = model.Items()[i].caption;
            if (caption == "-" || ui::MenuItemText(caption).empty()) continue;
            MEASUREITEMSTRUCT measure{};
            measure.CtlType = ODT_MENU;
            measure.itemData = i + 1;
            ASSERT_TRUE(menu.Measure(owner.hwnd(), measure));
            const int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
            EXPECT_EQ(height, scale.Px(ui::MenuItemHeight(caption))) << dpi << " " << caption;
            const Ink ink = DrawnInk(menu, dc.get(), i, width, height);
            ASSERT_GT(ink.bottom, 0) << dpi << " " << caption << ": no text drawn";
            EXPECT_GE(ink.top, scale.Px(1)) << dpi << " " << caption;
            EXPECT_LE(ink.bottom, height - scale.Px(1)) << dpi << " " << caption << ": clipped at the bottom";
            EXPECT_LE(ink.right, width - scale.Px(4)) << dpi << " " << caption << ": clipped at the right";
            tallest = std::max(tallest, ink.bottom - ink.top);
        }
        if (dpi == 96) inkAt100 = tallest;
        // Hinting keeps glyphs from growing quite in proportion.
        EXPECT_GE(tallest * 96 * 4, inkAt100 * dpi * 3) << dpi << ": the text did not grow with the scale";
    }
}

// The top-down 32-bit pixels of an icon's colour part: blue, green, red, alpha.
std::vector<std::uint32_t> IconPixels(HICON icon, int size) {
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts)) return {};
    const flat::ScopedBitmap color{parts.hbmColor}, mask{parts.hbmMask};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
    const flat::WindowDc screen(nullptr, flat::WindowDc::Area::Client);
    if (!GetDIBits(screen.get(), color.get(), 0, size, pixels.data(), &info, DIB_RGB_COLORS)) return {};
    return pixels;
}

TEST(TrayIconPicture, CarriesTheNumberInAnOpaqueBadgeAtEveryTraySize) {
    constexpr int kSystemIcon = 32512;  // IDI_APPLICATION: the test program has no icon of its own
    for (const int size : {16, 20, 24, 32}) {
        SCOPED_TRACE(size);
        const auto three = ui::NumberedIcon(nullptr, kSystemIcon, 3, size);
        const auto eight = ui::NumberedIcon(nullptr, kSystemIcon, 8, size);
        ASSERT_TRUE(three && eight);
        const auto a = IconPixels(three.get(), size), b = IconPixels(eight.get(), size);
        ASSERT_EQ(a.size(), static_cast<std::size_t>(size * size));
        EXPECT_EQ(a.back(), 0xFF0000A0u) << "the lower right corner is the opaque badge";
        const int badgeTop = size - (size * 3 + 3) / 4, badgeLeft = size - (size * 5 + 7) / 8;
        int white = 0;
        for (int y = badgeTop; y < size; ++y) {
            for (int x = badgeLeft; x < size; ++x) {
                const std::uint32_t p = a[static_cast<std::size_t>(y * size + x)];
                EXPECT_EQ(p >> 24, 0xFFu) << x << "," << y;
                if ((p & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) > 0xC0) ++white;
            }
        }
        EXPECT_GE(white, size / 2) << "the digit is drawn";
        EXPECT_NE(a, b) << "3 and 8 look different";
        EXPECT_EQ(a[0], IconPixels(ui::NumberedIcon(nullptr, kSystemIcon, 3, size).get(), size)[0]);
    }
}

}  // namespace
}  // namespace vesk::test
