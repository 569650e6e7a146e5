// Painting the main window: the skin picture, the selector with its
// outlines, the button faces, the command labels and the status line, put
// together off screen and copied in one piece, so nothing flickers.
#include "ui/main/panel_pictures.h"

#include <utility>
#include <vector>

#include "image/resample.h"
#include "platform/win32/utf.h"
#include "ui/flat/colors.h"
#include "ui/main/scaled_font.h"

namespace vesk::ui {
namespace {

constexpr COLORREF kLabelText = RGB(0, 0, 0);
constexpr COLORREF kHotLabelText = RGB(0, 0, 255);
constexpr COLORREF kStatusText = RGB(0, 0, 0);
constexpr int kLabelPoints = 8;
constexpr int kOutlineWidth = 2;  // reference pixels
constexpr int kBlackOutline = 1;
constexpr int kRedOutline = 2;
constexpr int kLabelInset = 6;  // reference pixels between a label's left edge and its text

RECT ToRect(const skin::Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void DrawText(HDC dc, HFONT font, const std::string& text, RECT area, UINT format, COLORREF color) {
    const std::wstring wide = platform::win32::Widen(text);
    const flat::Selection selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The flat button's face is the skin's own pixels; the mouse over it adds
// the flat border, one reference pixel wide; a press darkens the border.
void DrawButtonFrame(HDC dc, const skin::Rect& area, bool hovered, bool pressed, platform::DisplayScale scale) {
    if (!hovered) return;
    const COLORREF color = pressed ? RGB(0, 0, 0) : flat::ColorBorder;
    const flat::ScopedBrush brush{CreateSolidBrush(color)};
    RECT r = ToRect(area);
    for (int ring = 0; ring < scale.Px(1) && r.right > r.left && r.bottom > r.top; ++ring) {
        FrameRect(dc, &r, brush.get());
        InflateRect(&r, -1, -1);
    }
}

}  // namespace

void PanelPictures::SetPicture(image::RgbImage picture) { picture_ = std::move(picture); }

void PanelPictures::Scale(const skin::TDeskSkin& reference, platform::DisplayScale scale,
                          platform::Regions& regions) {
    image::RgbImage picture = std::exchange(picture_, {});
    if (picture.empty() && background_) picture = background_->Picture();
    if (picture.empty()) return;
    skin::ScaleSkin(reference, scale, regions, scaled_);
    const int width = scale.Px(picture.width), height = scale.Px(picture.height);
    if (width == picture.width && height == picture.height) {
        background_.emplace(picture);
    } else {
        background_.emplace(image::Resampled(picture, width, height));
        picture_ = std::move(picture);
    }
    frame_.emplace(background_->width(), background_->height());
    labelFont_ = ScaledFont(L"MS Sans Serif", kLabelPoints, scale);
}

void PanelPictures::ShowOutlines() { outlinesShown_ = true; }

bool PanelPictures::DrawSelectorOutline(int desktop, bool current) {
    const skin::TDeskSkin& skin = scaled_.skin;
    if (!outlinesShown_ || desktop < 1 || desktop > skin.SelectorCount) return false;
    if (skin.SelectorPoints[static_cast<std::size_t>(desktop - 1)].empty()) return false;
    outlines_[static_cast<std::size_t>(desktop - 1)] = current ? kRedOutline : kBlackOutline;
    return true;
}

void PanelPictures::DrawOutlines(HDC dc, int kind) const {
    const skin::TDeskSkin& skin = scaled_.skin;
    const flat::ScopedPen pen{
        CreatePen(PS_SOLID, scaled_.scale.Px(kOutlineWidth), kind == kRedOutline ? RGB(255, 0, 0) : RGB(0, 0, 0))};
    const flat::Selection selected(dc, pen.get());
    std::vector<POINT> polyline;
    for (int n = 0; n < skin.SelectorCount; ++n) {
        if (outlines_[static_cast<std::size_t>(n)] != kind) continue;
        // The hexagons' points are in the selector's own pixels.
        polyline.clear();
        for (const auto& p : skin.SelectorPoints[static_cast<std::size_t>(n)]) {
            polyline.push_back({skin.SelectorRect.Left + p.x, skin.SelectorRect.Top + p.y});
        }
        Polyline(dc, polyline.data(), static_cast<int>(polyline.size()));
    }
}

bool PanelPictures::Paint(HDC target, const MainPanelModel& panel) const {
    if (!background_ || !frame_ || !*frame_) return false;
    const HDC dc = frame_->dc();
    const skin::TDeskSkin& skin = scaled_.skin;
    const platform::DisplayScale scale = scaled_.scale;
    background_->CopyTo(dc, 0, 0);
    if (outlinesShown_) {
        // Within the selector, the current desktop's red on top where
        // neighbours share an edge, as when each was drawn at its switch.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, skin.SelectorRect.Left, skin.SelectorRect.Top, skin.SelectorRect.Right,
                          skin.SelectorRect.Bottom);
        DrawOutlines(dc, kBlackOutline);
        DrawOutlines(dc, kRedOutline);
        RestoreDC(dc, saved);
    }
    DrawButtonFrame(dc, skin.MinimizeRect, panel.ButtonHovered(PanelPart::Minimize),
                    panel.ButtonPressed(PanelPart::Minimize), scale);
    DrawButtonFrame(dc, skin.CloseRect, panel.ButtonHovered(PanelPart::Close), panel.ButtonPressed(PanelPart::Close),
                    scale);
    for (int label = 1; label <= kLabelCount; ++label) {
        if (!panel.HasLabel(label)) continue;
        RECT area = ToRect(skin.CommandRects[static_cast<std::size_t>(label - 1)]);
        area.left += scale.Px(kLabelInset);
        DrawText(dc, labelFont_.get(), panel.Caption(label), area, DT_LEFT,
                 panel.HotLabel() == label ? kHotLabelText : kLabelText);
    }
    DrawText(dc, labelFont_.get(), panel.StatusText(), ToRect(skin.StatusRect), DT_CENTER, kStatusText);
    frame_->CopyTo(target, 0, 0);
    return true;
}

void PanelPictures::Free() { skin::FreeSkin(scaled_.skin, scaled_.regions); }

}  // namespace vesk::ui
