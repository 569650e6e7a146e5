#include "ui/flat/fonts.h"

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

LONG PointsHigh(int points) {
    const WindowDc screen(nullptr, WindowDc::Area::Client);
    return -MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
}

ScopedFont MakeFont(const LOGFONTW& face) { return ScopedFont(CreateFontIndirectW(&face)); }

}  // namespace vesk::ui::flat
