#include "ui/flat/fonts.h"

#include "ui/flat/dpi.h"

namespace vesk::ui::flat {

LOGFONTW NamedFace(const wchar_t* name, LONG height, BYTE pitchAndFamily) {
    LOGFONTW face{};
    face.lfHeight = height;
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfPitchAndFamily = pitchAndFamily;
    lstrcpynW(face.lfFaceName, name, LF_FACESIZE);
    return face;
}

LONG PointsHigh(int points, platform::DisplayScale scale) { return -MulDiv(points, scale.Dpi(), 72); }

LONG PointsHigh(int points) { return PointsHigh(points, SystemScale()); }

LONG PixelsHigh(LONG referenceHeight, platform::DisplayScale scale) { return scale.Px(referenceHeight); }

ScopedFont MakeFont(const LOGFONTW& face) { return ScopedFont(CreateFontIndirectW(&face)); }

}  // namespace vesk::ui::flat
