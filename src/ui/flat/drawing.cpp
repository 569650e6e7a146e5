#include "ui/flat/drawing.h"

#include "ui/flat/colors.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

namespace {

// Glyphs as rows of pixels; '#' is drawn.
struct PixelGlyph {
    int width;
    int height;
    const char* rows[8];
};

constexpr PixelGlyph kClose{8, 7,
                         {"##    ##", " ##  ## ", "  ####  ", "   ##   ", "  ####  ", " ##  ## ",
                          "##    ##"}};
constexpr PixelGlyph kArrowUp{7, 4, {"   #   ", "  ###  ", " ##### ", "#######"}};
constexpr PixelGlyph kArrowDown{7, 4, {"#######", " ##### ", "  ###  ", "   #   "}};
constexpr PixelGlyph kCheck{7, 7,
                         {"      #", "     ##", "#   ###", "## ### ", "#####  ", " ###   ",
                          "  #    "}};

const PixelGlyph* PixelsOf(Glyph glyph) {
    switch (glyph) {
    case Glyph::Close: return &kClose;
    case Glyph::ArrowUp: return &kArrowUp;
    case Glyph::ArrowDown: return &kArrowDown;
    case Glyph::Check: return &kCheck;
    case Glyph::None: break;
    }
    return nullptr;
}

}  // namespace

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void FrameSolid(HDC dc, const RECT& area, COLORREF color, int thickness) {
    const auto [l, t, r, b] = area;
    if (r <= l || b <= t) return;
    const int w = thickness < 1 ? 1 : thickness;
    FillSolid(dc, {l, t, r, t + w}, color);
    FillSolid(dc, {l, b - w, r, b}, color);
    FillSolid(dc, {l, t, l + w, b}, color);
    FillSolid(dc, {r - w, t, r, b}, color);
}

void DrawGlyph(HDC dc, const RECT& box, Glyph glyph, COLORREF color, platform::DisplayScale scale) {
    const PixelGlyph* pixels = PixelsOf(glyph);
    if (!pixels) return;
    // Each glyph pixel's edges are scaled, so that the strokes stay even.
    const int left = box.left + (box.right - box.left - scale.Px(pixels->width)) / 2;
    const int top = box.top + (box.bottom - box.top - scale.Px(pixels->height)) / 2;
    for (int y = 0; y < pixels->height; ++y) {
        for (int x = 0; x < pixels->width; ++x) {
            if (pixels->rows[y][x] == '#') {
                FillSolid(dc, {left + scale.Px(x), top + scale.Px(y), left + scale.Px(x + 1), top + scale.Px(y + 1)},
                          color);
            }
        }
    }
}

void DrawCheckSquare(HDC dc, const RECT& square, bool checked, COLORREF fill, COLORREF tick,
                     platform::DisplayScale scale) {
    FillSolid(dc, square, fill);
    FrameSolid(dc, square, ColorBorder, BorderWidth(scale));
    if (checked) DrawGlyph(dc, square, Glyph::Check, tick, scale);
}

namespace {
HFONT OrDefault(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
}  // namespace

void DrawCaption(HDC dc, HFONT font, const std::wstring& text, RECT area, UINT format,
                 COLORREF color) {
    Selection selectedFont(dc, OrDefault(font));
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previous = SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    SetTextColor(dc, previous);
    SetBkMode(dc, mode);
}

SIZE MeasureCaption(HDC dc, HFONT font, const std::wstring& text) {
    Selection selectedFont(dc, OrDefault(font));
    RECT area{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE | DT_CALCRECT);
    return {area.right - area.left, area.bottom - area.top};
}

}  // namespace vesk::ui::flat
