#pragma once
#include <array>
#include <optional>
#include <string>

#include "platform/display_scale.h"
#include "platform/regions.h"
#include "skin/desk_skin.h"
#include "ui/main/panel_command.h"

namespace vesk::ui {

using platform::Point;

enum class PanelPart { Background, Command, Status, Minimize, Close, Selector };

struct PanelHit {
    PanelPart part = PanelPart::Background;
    int index = 0;  // Command: label number; Selector: desktop under the point, 0 for none
    bool operator==(const PanelHit&) const = default;
};

enum class MouseButton { Left, Right, Middle };
enum class CursorShape { Arrow, Hand };

inline constexpr int kLabelCount = 14;  // Label1 to Label14; there is no Label13
// The labels whose captions change at run time; label n draws in the skin's
// CommandRects[n - 1].
inline constexpr int kRecordLabel = 1;
inline constexpr int kPlayLabel = 2;
inline constexpr int kTaskbarLabel = 3;
inline constexpr int kDesktopIconsLabel = 4;
inline constexpr int kMusicLabel = 5;

// The main window's panel without the drawing: which control lies under a
// point, the command labels' captions and highlight, the status line, the
// pointer shape, the drag and what each press and release runs. Every
// position is in the window's client pixels: the skin it is given is the one
// scaled to the window's display.
class MainPanelModel {
public:
    static constexpr int kNoDrag = -1000;

    MainPanelModel(const skin::TDeskSkin& skin, const skin::SkinRegions& skinRegions, platform::Regions& regions);

    PanelHit HitTest(Point p) const;
    bool HasLabel(int label) const { return label >= 1 && label <= kLabelCount && label != 13; }

    // Only a drag moves the window.
    struct MoveResult {
        std::optional<Point> windowMovedBy;  // pixels
        bool redraw = false;                 // highlight, status or button face changed
    };
    MoveResult MouseMove(Point p, bool leftHeld);
    // The mouse left the window: nothing is hovered any more.
    bool MouseLeave();
    std::optional<CommandRequest> MouseDown(Point p, MouseButton button);
    std::optional<CommandRequest> MouseUp(Point p, MouseButton button);
    // The skin was scaled again, from one display scale to another, as a
    // drag across monitors does: a drag under way keeps its grip on the
    // same point of the picture.
    void Rescaled(platform::DisplayScale from, platform::DisplayScale to);
    // Another window took the mouse (a modal dialog opened): the press that
    // was under way ends without a click.
    void CaptureLost() { pressed_.reset(); }

    const std::string& Caption(int label) const { return captions_.at(static_cast<std::size_t>(label - 1)); }
    void SetCaption(int label, const std::string& caption);
    const std::string& StatusText() const { return status_; }
    void SetStatusText(const std::string& text) { status_ = text; }
    // What the status line says over each desktop's polygon, desktop 1 first.
    void SetDesktopTitles(const std::array<std::string, skin::kMaxSelectorPolygons>& titles) { desktopTitles_ = titles; }
    int HotLabel() const { return hotLabel_; }  // 0: none
    CursorShape Cursor() const;
    bool ButtonHovered(PanelPart button) const { return hoveredButton_ == button; }
    bool ButtonPressed(PanelPart button) const { return pressed_ && pressed_->part == button && hoveredButton_ == button; }
    Point DragOrigin() const { return dragOrigin_; }

    const skin::TDeskSkin& skin() const { return skin_; }

private:
    int DesktopAt(Point p) const;
    bool HoverLabel(int label);
    bool HoverBackground(Point p);
    bool SetStatus(const std::string& text);

    const skin::TDeskSkin& skin_;
    const skin::SkinRegions& skinRegions_;
    platform::Regions& regions_;

    std::array<std::string, kLabelCount> captions_;
    std::string status_ = "Vesk 1";
    std::array<std::string, skin::kMaxSelectorPolygons> desktopTitles_{"Vesk 1", "Vesk 2", "Vesk 3", "Vesk 4", "Vesk 5",
                                                           "Vesk 6", "Vesk 7", "Vesk 8", "Vesk 9"};
    int hotLabel_ = 0;
    Point dragOrigin_{kNoDrag, kNoDrag};
    int selectorTag_ = 0;  // desktop under the mouse at the last move over the selector
    std::optional<PanelHit> pressed_;  // the control that took the press, until the release
    PanelPart lastPart_ = PanelPart::Background;
    PanelPart hoveredButton_ = PanelPart::Background;  // Minimize, Close, or Background for none
    CursorShape backgroundCursor_ = CursorShape::Arrow;
    CursorShape selectorCursor_ = CursorShape::Arrow;
};

// The status line's text over a command label.
const char* CommandHint(int label);

}  // namespace vesk::ui
