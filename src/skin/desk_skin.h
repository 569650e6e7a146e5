#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "image/rgb_image.h"
#include "platform/regions.h"
#include "platform/scoped_region.h"
#include "skin/skin_file.h"

namespace vesk::skin {

// The loaded skin. Coordinates are main-image pixels (the main window's
// client area), except SelectorPoints, which are relative to SelectorRect's
// top-left corner.
struct TDeskSkin {
    std::array<char, 3> Magic{};  // as read from the skin file; "ERR" when there is none
    bool Loaded = false;
    std::int32_t OutlineCount = 0;
    std::array<Point, kMaxOutlinePoints> Outline{};
    Rect DragRect, AboutRect, StatusRect, MinimizeRect, CloseRect;
    std::array<Rect, kCommandRectCount> CommandRects{};
    std::int32_t SelectorCount = 0;
    Rect SelectorRect;
    std::array<std::int32_t, kMaxSelectorPolygons> SelectorPointCounts{};
    std::array<std::vector<Point>, kMaxSelectorPolygons> SelectorPoints;
    std::int64_t MainImageSize = 0;    // bytes
    std::int64_t DialogImageSize = 0;  // bytes
    Point ReservedPoint;
};

// Entries 0..8: selector polygons 1..9 (SelectorRect-relative), 0 when the
// skin has fewer; entry 9: the main window's outline.
using SkinRegions = std::array<platform::ScopedRegion, 10>;
inline constexpr std::size_t kOutlineRegion = 9;

// Loads skinPath when it exists and begins with "QSK" and is whole;
// otherwise the skin appended to exePath. On failure nothing is changed but
// Magic and Loaded (false), and the result names the appended skin's fault.
// Called once; a skin is never reloaded over a loaded one.
SkinResult LoadSkin(const std::string& skinPath, const std::string& exePath, platform::Files& files,
                    platform::Regions& regions, TDeskSkin& skin, SkinRegions& skinRegions,
                    image::RgbImage& mainImage, image::RgbImage& dialogImage);

// The regions of the skin's outline and selector polygons, in the skin's
// coordinates; what the regions held before is released.
void MakeSkinRegions(const TDeskSkin& skin, platform::Regions& regions, SkinRegions& skinRegions);

// Releases the selector regions and point lists, and the outline region
// unless the main window took it as its shape (released to the window then).
void FreeSkin(TDeskSkin& skin, SkinRegions& skinRegions);

}  // namespace vesk::skin
