#include "skin/skin_scale.h"

namespace vesk::skin {
namespace {

using platform::DisplayScale;

Point ScaledPoint(Point p, DisplayScale scale) { return {scale.Px(p.x), scale.Px(p.y)}; }

Rect ScaledRect(const Rect& r, DisplayScale scale) {
    return {scale.Px(r.Left), scale.Px(r.Top), scale.Px(r.Right), scale.Px(r.Bottom)};
}

}  // namespace

TDeskSkin ScaledGeometry(const TDeskSkin& reference, DisplayScale scale) {
    TDeskSkin scaled = reference;
    for (Point& p : scaled.Outline) p = ScaledPoint(p, scale);
    for (Rect* r : {&scaled.DragRect, &scaled.AboutRect, &scaled.StatusRect, &scaled.MinimizeRect,
                    &scaled.CloseRect, &scaled.SelectorRect}) {
        *r = ScaledRect(*r, scale);
    }
    for (Rect& r : scaled.CommandRects) r = ScaledRect(r, scale);
    // Relative points are scaled where they lie in the picture, so that they
    // fall on the same scaled pixels as the picture's own drawing of them.
    const Point origin{reference.SelectorRect.Left, reference.SelectorRect.Top};
    const Point scaledOrigin{scaled.SelectorRect.Left, scaled.SelectorRect.Top};
    for (auto& polygon : scaled.SelectorPoints) {
        for (Point& p : polygon) {
            p = {scale.Px(origin.x + p.x) - scaledOrigin.x, scale.Px(origin.y + p.y) - scaledOrigin.y};
        }
    }
    scaled.ReservedPoint = ScaledPoint(reference.ReservedPoint, scale);
    return scaled;
}

void ScaleSkin(const TDeskSkin& reference, DisplayScale scale, platform::Regions& regions, ScaledSkin& scaled) {
    scaled.scale = scale;
    scaled.skin = ScaledGeometry(reference, scale);
    MakeSkinRegions(scaled.skin, regions, scaled.regions);
}

}  // namespace vesk::skin
