#pragma once
#include "platform/display_scale.h"
#include "platform/regions.h"
#include "skin/desk_skin.h"

namespace vesk::skin {

// The skin as a window at one display scale shows it: the geometry in
// display pixels and its regions. Made once for each scale the window meets,
// from the loaded skin, which stays in 96-DPI reference pixels.
struct ScaledSkin {
    platform::DisplayScale scale;
    TDeskSkin skin;
    SkinRegions regions;
};

// The reference geometry in display pixels. Points and rectangle edges are
// scaled one by one, so that whatever touches at 96 DPI still touches; the
// selector points stay relative to the scaled selector rectangle. At 96 DPI
// the copy is exact.
TDeskSkin ScaledGeometry(const TDeskSkin& reference, platform::DisplayScale scale);

// Fills `scaled` with the reference skin at that scale, regions included.
void ScaleSkin(const TDeskSkin& reference, platform::DisplayScale scale, platform::Regions& regions,
               ScaledSkin& scaled);

}  // namespace vesk::skin
