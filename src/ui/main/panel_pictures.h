#pragma once
#include "platform/win32/windows_api.h"

#include <array>
#include <optional>

#include "image/rgb_image.h"
#include "platform/display_scale.h"
#include "skin/skin_scale.h"
#include "ui/flat/gdi.h"
#include "ui/main/dib_canvas.h"
#include "ui/main/main_panel_model.h"

namespace vesk::ui {

// The main window's panel at one display scale: the skin's geometry and
// regions scaled, its picture resampled, the selector's copy of it that
// carries the outlines, the frame each paint is put together in and the
// label font. All of it is made once per scale; a paint only copies pictures
// and writes text. Positions are the window's client pixels.
class PanelPictures {
public:
    // The skin at this scale (its geometry and regions), for the panel model
    // to hit-test; stays at the same address across scales.
    const skin::TDeskSkin& skin() const { return scaled_.skin; }
    const skin::SkinRegions& regions() const { return scaled_.regions; }
    platform::DisplayScale scale() const { return scaled_.scale; }
    // The outline region, for the window to take as its shape.
    platform::ScopedRegion& outline() { return scaled_.regions[skin::kOutlineRegion]; }

    // The skin's main picture as loaded (96-DPI reference pixels), made into
    // the panel's pictures by the next Scale.
    void SetPicture(image::RgbImage picture);
    // Makes everything at `scale` from the skin as loaded and its picture;
    // the outlines follow the new geometry. At 100 % the background holds the
    // picture pixel for pixel, so the loaded copy is let go (0.4 MB for the
    // built-in skin) and read back from the background when another scale
    // needs it.
    void Scale(const skin::TDeskSkin& reference, platform::DisplayScale scale, platform::Regions& regions);
    // The selector shows its outlines from now on, once start-up is done.
    void ShowOutlines();
    // Outlines a hexagon, black or red (current), from the next paint on;
    // drawn over whatever outline it had. False while outlines are not shown
    // (yet) or when there is no such hexagon.
    bool DrawSelectorOutline(int desktop, bool current);

    // Nullptr before the first Scale.
    const DibCanvas* background() const { return background_ ? &*background_ : nullptr; }
    // False when there was nothing to paint with: the target is left alone.
    bool Paint(HDC target, const MainPanelModel& panel) const;
    void Free();

private:
    // The outlines of that colour, on dc in the window's client pixels.
    void DrawOutlines(HDC dc, int kind) const;

    skin::ScaledSkin scaled_;
    image::RgbImage picture_;  // as loaded; empty while the background is the same
    std::optional<DibCanvas> background_;  // Image1's picture
    std::optional<DibCanvas> frame_;       // where each paint is put together
    flat::ScopedFont labelFont_;
    // The outline around each hexagon, drawn by each paint rather than kept
    // in a copy of the selector's part of the picture (0.15 MB at 100 %):
    // 0 none, 1 black, 2 red (current).
    std::array<int, skin::kMaxSelectorPolygons> outlines_{};
    bool outlinesShown_ = false;
};

}  // namespace vesk::ui
