#include "ui/main/main_panel_model.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "platform/sim/sim_system.h"

namespace vesk::ui {
namespace {

// The built-in skin, loaded as the program loads it: 540 by 271 pixels, the
// command column at x 444..530 in rows of 17 pixels from y 25, the selector
// at (142, 46) with hexagon 1 around (206, 84) and hexagon 3 around (332, 86).
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ifstream in(VESK_DEFAULT_SKIN, std::ios::binary);
        sim.files.Put("C:\\Vesk\\Default.QSK", std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
        ASSERT_TRUE(skin::LoadSkin("C:\\Vesk\\Default.QSK", "C:\\Vesk\\Vesk.exe", sim.files, sim.regions, skin,
                                   regions, mainImage, dialogImage));
    }

    static Point LabelCentre(int label) { return {480, 33 + 17 * (label - 1)}; }

    platform::sim::SimSystem sim;
    skin::TDeskSkin skin;
    skin::SkinRegions regions{};
    image::RgbImage mainImage, dialogImage;
};

TEST_F(PanelTest, HitTestFindsEachControlOfTheSkin) {
    const MainPanelModel panel(skin, regions, sim.regions);
    EXPECT_EQ(panel.HitTest(LabelCentre(1)), (PanelHit{PanelPart::Command, 1}));
    EXPECT_EQ(panel.HitTest(LabelCentre(12)), (PanelHit{PanelPart::Command, 12}));
    // Row 13 has no label; row 14 is Label14.
    EXPECT_EQ(panel.HitTest(LabelCentre(13)), (PanelHit{PanelPart::Background, 0}));
    EXPECT_EQ(panel.HitTest(LabelCentre(14)), (PanelHit{PanelPart::Command, 14}));
    EXPECT_EQ(panel.HitTest({200, 240}), (PanelHit{PanelPart::Status, 0}));
    EXPECT_EQ(panel.HitTest({490, 14}), (PanelHit{PanelPart::Minimize, 0}));
    EXPECT_EQ(panel.HitTest({517, 14}), (PanelHit{PanelPart::Close, 0}));
    EXPECT_EQ(panel.HitTest({206, 84}), (PanelHit{PanelPart::Selector, 1}));
    EXPECT_EQ(panel.HitTest({332, 86}), (PanelHit{PanelPart::Selector, 3}));
    EXPECT_EQ(panel.HitTest({330, 184}), (PanelHit{PanelPart::Selector, 9}));
    // Between the hexagons: the selector, but no desktop.
    EXPECT_EQ(panel.HitTest({145, 50}), (PanelHit{PanelPart::Selector, 0}));
    EXPECT_EQ(panel.HitTest({10, 10}), (PanelHit{PanelPart::Background, 0}));
}

TEST_F(PanelTest, HoveringALabelHighlightsItAndShowsItsHint) {
    MainPanelModel panel(skin, regions, sim.regions);
    EXPECT_EQ(panel.StatusText(), "Vesk 1");

    EXPECT_TRUE(panel.MouseMove(LabelCentre(6), false).redraw);
    EXPECT_EQ(panel.HotLabel(), 6);
    EXPECT_EQ(panel.StatusText(), "Close All windows in current desktop");
    EXPECT_EQ(panel.Cursor(), CursorShape::Hand);
    // Moving within the label changes nothing.
    EXPECT_FALSE(panel.MouseMove({LabelCentre(6).x + 5, LabelCentre(6).y}, false).redraw);

    panel.MouseMove(LabelCentre(7), false);
    EXPECT_EQ(panel.HotLabel(), 7);
    EXPECT_EQ(panel.StatusText(), "Left:Kill Process, Right:Close windows");

    panel.MouseMove(LabelCentre(14), false);
    EXPECT_EQ(panel.StatusText(), "Show Help for you,Click me or press F1");

    panel.MouseMove({300, 10}, false);  // the background, in the drag area
    EXPECT_EQ(panel.HotLabel(), 0);
    EXPECT_EQ(panel.StatusText(), "Drag window");
}

TEST_F(PanelTest, StatusLineFollowsTheBackgroundAndTheOtherControls) {
    MainPanelModel panel(skin, regions, sim.regions);
    panel.MouseMove({60, 200}, false);
    EXPECT_EQ(panel.StatusText(), "About software");
    EXPECT_EQ(panel.Cursor(), CursorShape::Hand);
    panel.MouseMove({60, 100}, false);
    EXPECT_EQ(panel.StatusText(), "");
    EXPECT_EQ(panel.Cursor(), CursorShape::Arrow);
    panel.MouseMove({200, 240}, false);
    EXPECT_EQ(panel.StatusText(), "You Can See Options For More");
    panel.MouseMove({490, 14}, false);
    EXPECT_EQ(panel.StatusText(), "Minimize window");
    EXPECT_TRUE(panel.ButtonHovered(PanelPart::Minimize));
    panel.MouseMove({517, 14}, false);
    EXPECT_EQ(panel.StatusText(), "Exit software");
    EXPECT_FALSE(panel.ButtonHovered(PanelPart::Minimize));
    EXPECT_TRUE(panel.ButtonHovered(PanelPart::Close));
}

TEST_F(PanelTest, SelectorNamesTheDesktopUnderTheMouseAndKeepsItBetweenPolygons) {
    MainPanelModel panel(skin, regions, sim.regions);
    // (70, 30) in the selector's own pixels lies in hexagon 1.
    panel.MouseMove({142 + 70, 46 + 30}, false);
    EXPECT_EQ(panel.StatusText(), "Vesk 1");
    panel.MouseMove({332, 86}, false);
    EXPECT_EQ(panel.StatusText(), "Vesk 3");
    EXPECT_EQ(panel.Cursor(), CursorShape::Hand);
    panel.MouseMove({145, 50}, false);
    EXPECT_EQ(panel.StatusText(), "Vesk 3");
    EXPECT_EQ(panel.Cursor(), CursorShape::Arrow);
}

TEST_F(PanelTest, SelectorSwitchesOnALeftPressOnly) {
    MainPanelModel panel(skin, regions, sim.regions);
    panel.MouseMove({332, 86}, false);
    EXPECT_EQ(panel.MouseDown({332, 86}, MouseButton::Right), std::nullopt);
    panel.MouseUp({332, 86}, MouseButton::Right);
    EXPECT_EQ(panel.MouseDown({332, 86}, MouseButton::Left),
              (CommandRequest{PanelCommand::SelectDesktop, true, 3}));
    panel.MouseUp({332, 86}, MouseButton::Left);
    EXPECT_EQ(panel.MouseDown({145, 50}, MouseButton::Left), std::nullopt);
}

TEST_F(PanelTest, LabelsRunOnAClickThatEndsOnTheSameLabel) {
    MainPanelModel panel(skin, regions, sim.regions);
    const struct {
        int label;
        PanelCommand command;
    } clicks[] = {{1, PanelCommand::Record},         {2, PanelCommand::Play},
                  {3, PanelCommand::ToggleTaskbar},  {4, PanelCommand::ToggleDesktopIcons},
                  {5, PanelCommand::ToggleMusic},    {6, PanelCommand::CloseAll},
                  {8, PanelCommand::ShutDown},       {9, PanelCommand::Reboot},
                  {10, PanelCommand::Sleep},         {12, PanelCommand::Options},
                  {14, PanelCommand::Help}};
    for (const auto& c : clicks) {
        EXPECT_EQ(panel.MouseDown(LabelCentre(c.label), MouseButton::Left), std::nullopt) << c.label;
        EXPECT_EQ(panel.MouseUp(LabelCentre(c.label), MouseButton::Left), (CommandRequest{c.command})) << c.label;
    }
    // Released elsewhere, or with the right button: no click.
    panel.MouseDown(LabelCentre(3), MouseButton::Left);
    EXPECT_EQ(panel.MouseUp(LabelCentre(4), MouseButton::Left), std::nullopt);
    panel.MouseDown(LabelCentre(3), MouseButton::Right);
    EXPECT_EQ(panel.MouseUp(LabelCentre(3), MouseButton::Right), std::nullopt);
}

TEST_F(PanelTest, KillerAndWindowToolsActOnThePressAndTellTheButtons) {
    MainPanelModel panel(skin, regions, sim.regions);
    EXPECT_EQ(panel.MouseDown(LabelCentre(7), MouseButton::Left), (CommandRequest{PanelCommand::Killer, true}));
    EXPECT_EQ(panel.MouseUp(LabelCentre(7), MouseButton::Left), std::nullopt);
    EXPECT_EQ(panel.MouseDown(LabelCentre(7), MouseButton::Right), (CommandRequest{PanelCommand::Killer, false}));
    panel.MouseUp(LabelCentre(7), MouseButton::Right);
    EXPECT_EQ(panel.MouseDown(LabelCentre(11), MouseButton::Middle),
              (CommandRequest{PanelCommand::WindowTools, false}));
    panel.MouseUp(LabelCentre(11), MouseButton::Middle);
    EXPECT_EQ(panel.MouseDown(LabelCentre(11), MouseButton::Left), (CommandRequest{PanelCommand::WindowTools, true}));
}

TEST_F(PanelTest, ButtonsMinimiseAndExitOnALeftClick) {
    MainPanelModel panel(skin, regions, sim.regions);
    panel.MouseMove({490, 14}, false);
    panel.MouseDown({490, 14}, MouseButton::Left);
    EXPECT_TRUE(panel.ButtonPressed(PanelPart::Minimize));
    EXPECT_EQ(panel.MouseUp({490, 14}, MouseButton::Left), (CommandRequest{PanelCommand::Minimize}));
    EXPECT_FALSE(panel.ButtonPressed(PanelPart::Minimize));
    panel.MouseDown({517, 14}, MouseButton::Left);
    EXPECT_EQ(panel.MouseUp({517, 14}, MouseButton::Left), (CommandRequest{PanelCommand::Exit}));
    panel.MouseDown({517, 14}, MouseButton::Left);
    EXPECT_EQ(panel.MouseUp({490, 14}, MouseButton::Left), std::nullopt);
}

TEST_F(PanelTest, AboutOpensOnALeftPressInItsArea) {
    MainPanelModel panel(skin, regions, sim.regions);
    EXPECT_EQ(panel.MouseDown({60, 200}, MouseButton::Right), std::nullopt);
    panel.MouseUp({60, 200}, MouseButton::Right);
    EXPECT_EQ(panel.MouseDown({60, 200}, MouseButton::Left), (CommandRequest{PanelCommand::About}));
}

TEST_F(PanelTest, DragMovesTheWindowOnlyWhileTheLeftButtonIsHeld) {
    MainPanelModel panel(skin, regions, sim.regions);
    panel.MouseDown({100, 10}, MouseButton::Left);
    EXPECT_EQ(panel.DragOrigin().x, 100);
    const auto moved = panel.MouseMove({130, 17}, true).windowMovedBy;
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->x, 30);
    EXPECT_EQ(moved->y, 7);
    // The drag goes on over a label: the background keeps the mouse.
    EXPECT_TRUE(panel.MouseMove(LabelCentre(1), true).windowMovedBy);
    EXPECT_EQ(panel.HotLabel(), 0);
    panel.MouseUp({130, 17}, MouseButton::Left);
    EXPECT_EQ(panel.DragOrigin().x, MainPanelModel::kNoDrag);
    EXPECT_FALSE(panel.MouseMove({140, 20}, true).windowMovedBy);

    // A right press starts an origin, but only the left button moves.
    panel.MouseDown({100, 10}, MouseButton::Right);
    EXPECT_EQ(panel.DragOrigin().x, 100);
    EXPECT_FALSE(panel.MouseMove({120, 10}, false).windowMovedBy);
}

TEST_F(PanelTest, ADragKeepsItsGripWhenTheScaleChanges) {
    MainPanelModel panel(skin, regions, sim.regions);
    panel.MouseDown({100, 11}, MouseButton::Left);
    panel.Rescaled(platform::DisplayScale(96), platform::DisplayScale(144));
    EXPECT_EQ(panel.DragOrigin().x, 150);
    EXPECT_EQ(panel.DragOrigin().y, 17);
    panel.Rescaled(platform::DisplayScale(144), platform::DisplayScale(192));
    EXPECT_EQ(panel.DragOrigin().x, 200);
    EXPECT_EQ(panel.DragOrigin().y, 22);
    panel.MouseUp({100, 11}, MouseButton::Left);
    panel.Rescaled(platform::DisplayScale(192), platform::DisplayScale(96));
    EXPECT_EQ(panel.DragOrigin().x, MainPanelModel::kNoDrag) << "no drag, nothing to keep";
}

TEST_F(PanelTest, PressOutsideTheDragAreaNeverMovesTheWindow) {
    MainPanelModel panel(skin, regions, sim.regions);
    panel.MouseDown({100, 100}, MouseButton::Left);
    EXPECT_EQ(panel.DragOrigin().x, MainPanelModel::kNoDrag);
    EXPECT_FALSE(panel.MouseMove({100, 10}, true).windowMovedBy);
    EXPECT_FALSE(panel.MouseMove({150, 12}, true).windowMovedBy);
}

TEST_F(PanelTest, LeavingTheWindowDropsTheHighlight) {
    MainPanelModel panel(skin, regions, sim.regions);
    panel.MouseMove(LabelCentre(2), false);
    EXPECT_TRUE(panel.MouseLeave());
    EXPECT_EQ(panel.HotLabel(), 0);
    EXPECT_FALSE(panel.MouseLeave());
}

TEST_F(PanelTest, CaptionsStartAsDesignedAndOnlyRealLabelsChange) {
    MainPanelModel panel(skin, regions, sim.regions);
    EXPECT_EQ(panel.Caption(1), "Record");
    EXPECT_EQ(panel.Caption(4), "Hide Desk");
    EXPECT_EQ(panel.Caption(14), "Show Help");
    panel.SetCaption(3, "Show TaskBar");
    EXPECT_EQ(panel.Caption(3), "Show TaskBar");
    panel.SetCaption(13, "ghost");
    EXPECT_EQ(panel.Caption(13), "");
    panel.SetCaption(99, "ghost");  // ignored, no crash
}

}  // namespace
}  // namespace vesk::ui
