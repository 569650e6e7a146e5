// The main window's pictures made again at a new scale, as a move to a
// monitor of another scale (WM_DPICHANGED) makes them: the panel hit-tests
// the new geometry, the selector keeps its outlines, drawn where the new
// scale puts them, and a return to 100 % gives the loaded picture back.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_system.h"
#include "skin/desk_skin.h"
#include "ui/main/panel_pictures.h"

namespace vesk::test {
namespace {

using platform::DisplayScale;

// Pure red pixels within the box (display pixels, right and bottom outside).
int RedPixels(HDC dc, RECT box) {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60) ++count;
        }
    }
    return count;
}

TEST(PanelPicturesTest, ANewScaleKeepsTheOutlinesAndTheHitTestsOfTheSelector) {
    platform::win32::Win32System system;
    platform::Services& services = system.services();
    const std::string exe = services.files.ExecutablePath();
    skin::TDeskSkin skin;
    skin::SkinRegions regions;
    image::RgbImage picture, dialog;
    ASSERT_TRUE(skin::LoadSkin(exe.substr(0, exe.find_last_of('\\') + 1) + "Default.skin.QSK", "", services.files,
                               services.regions, skin, regions, picture, dialog));
    ui::PanelPictures pictures;
    ui::MainPanelModel panel(pictures.skin(), pictures.regions(), services.regions);
    pictures.SetPicture(picture);
    pictures.Scale(skin, DisplayScale(96), services.regions);
    pictures.ShowOutlines();
    pictures.DrawSelectorOutline(1, false);
    pictures.DrawSelectorOutline(5, true);
    EXPECT_EQ(panel.HitTest({237, 134}), (ui::PanelHit{ui::PanelPart::Selector, 5}));

    pictures.Scale(skin, DisplayScale(192), services.regions);
    ASSERT_NE(pictures.background(), nullptr);
    EXPECT_EQ(pictures.background()->width(), 1080);
    EXPECT_EQ(pictures.background()->height(), 542);
    // Hexagon 5 spans (209, 104) to (266, 164) in the skin; hexagon 2
    // (240, 55) to (297, 115), its upper part clear of hexagon 5.
    EXPECT_EQ(panel.HitTest({474, 268}), (ui::PanelHit{ui::PanelPart::Selector, 5}));
    EXPECT_EQ(panel.HitTest({237, 134}).part, ui::PanelPart::Background) << "the old geometry";
    ui::DibCanvas frame(1080, 542);
    ASSERT_TRUE(pictures.Paint(frame.dc(), panel));
    // Six sides about 60 pixels long, four pixels wide.
    EXPECT_GT(RedPixels(frame.dc(), {410, 200, 540, 336}), 6 * 50 * 3) << "hexagon 5 lost its red outline";
    EXPECT_EQ(RedPixels(frame.dc(), {480, 110, 594, 200}), 0) << "hexagon 2 was never outlined";

    // Back at 100 % the picture is the one loaded, not the doubled one shrunk.
    pictures.Scale(skin, DisplayScale(96), services.regions);
    ASSERT_NE(pictures.background(), nullptr);
    EXPECT_TRUE(pictures.background()->Picture().pixels == picture.pixels);
    skin::FreeSkin(skin, regions);
    pictures.Free();
}

}  // namespace
}  // namespace vesk::test
