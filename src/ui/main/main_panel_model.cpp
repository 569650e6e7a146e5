#include "ui/main/main_panel_model.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

namespace vesk::ui {
namespace {

struct LabelSpec {
    const char* caption;
    const char* hint;
};

// Label1 to Label14 in order; Label13 does not exist.
constexpr std::array<LabelSpec, kLabelCount> kLabels = {{
    {"Record", "Record Key and Mouse Event HotKey See Options"},
    {"Load Record", "Load Record and Play immediately"},
    {"Hide TaskBar", "Show/Hide system Taskbar"},
    {"Hide Desk", "Show/Hide Desktop icons"},
    {"Music On", "Set PC Volume on/off"},
    {"Close All", "Close All windows in current desktop"},
    {"Kill process", "Left:Kill Process, Right:Close windows"},
    {"Shut Down", "Shutdown system"},
    {"Reboot", "Reboot system"},
    {"Sleep", "Sleep system [May No Function]"},
    {"Windows", "Left: Cut/Copy Window Right: See/Show All Windows"},
    {"Options", "Options setting"},
    {"", ""},
    {"Show Help", "Show Help for you,Click me or press F1"},
}};

constexpr const char* kAboutHint = "About software";
constexpr const char* kDragHint = "Drag window";
constexpr const char* kMinimizeHint = "Minimize window";
constexpr const char* kExitHint = "Exit software";
constexpr const char* kStatusHint = "You Can See Options For More";

// Labels that act on a click (press and release of the left button on the
// label); Label7 and Label11 act on the press of any button instead.
std::optional<PanelCommand> ClickCommand(int label) {
    switch (label) {
    case 1: return PanelCommand::Record;
    case 2: return PanelCommand::Play;
    case 3: return PanelCommand::ToggleTaskbar;
    case 4: return PanelCommand::ToggleDesktopIcons;
    case 5: return PanelCommand::ToggleMusic;
    case 6: return PanelCommand::CloseAll;
    case 8: return PanelCommand::ShutDown;
    case 9: return PanelCommand::Reboot;
    case 10: return PanelCommand::Sleep;
    case 12: return PanelCommand::Options;
    case 14: return PanelCommand::Help;
    default: return std::nullopt;
    }
}

// The pointer comes from the system and the rectangle from a skin file:
// their difference is taken wide, and clamped rather than wrapped.
std::int32_t Difference(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{a} - b, INT32_MIN, INT32_MAX));
}

Point Relative(Point p, const skin::Rect& r) { return {Difference(p.x, r.Left), Difference(p.y, r.Top)}; }

}  // namespace

const char* CommandHint(int label) {
    if (label < 1 || label > kLabelCount) return "";
    return kLabels[static_cast<std::size_t>(label - 1)].hint;
}

MainPanelModel::MainPanelModel(const skin::TDeskSkin& skin, const skin::SkinRegions& skinRegions,
                               platform::Regions& regions)
    : skin_(skin), skinRegions_(skinRegions), regions_(regions) {
    for (std::size_t i = 0; i < kLabels.size(); ++i) captions_[i] = kLabels[i].caption;
}

void MainPanelModel::SetCaption(int label, const std::string& caption) {
    if (HasLabel(label)) captions_[static_cast<std::size_t>(label - 1)] = caption;
}

// The controls lie above the background picture; where two overlap, the
// buttons win over the labels, the labels over the status line and the
// status line over the selector.
PanelHit MainPanelModel::HitTest(Point p) const {
    if (skin_.CloseRect.Contains(p)) return {PanelPart::Close, 0};
    if (skin_.MinimizeRect.Contains(p)) return {PanelPart::Minimize, 0};
    for (int label = 1; label <= kLabelCount; ++label) {
        if (HasLabel(label) && skin_.CommandRects[static_cast<std::size_t>(label - 1)].Contains(p))
            return {PanelPart::Command, label};
    }
    if (skin_.StatusRect.Contains(p)) return {PanelPart::Status, 0};
    if (skin_.SelectorRect.Contains(p)) return {PanelPart::Selector, DesktopAt(p)};
    return {PanelPart::Background, 0};
}

int MainPanelModel::DesktopAt(Point p) const {
    const Point inSelector = Relative(p, skin_.SelectorRect);
    for (int n = 1; n <= static_cast<int>(skin::kMaxSelectorPolygons); ++n) {
        const platform::Regions::Handle region = skinRegions_[static_cast<std::size_t>(n - 1)];
        if (region != 0 && regions_.Contains(region, inSelector)) return n;
    }
    return 0;
}

bool MainPanelModel::SetStatus(const std::string& text) {
    if (status_ == text) return false;
    status_ = text;
    return true;
}

bool MainPanelModel::HoverLabel(int label) {
    if (hotLabel_ == label) return false;
    hotLabel_ = label;
    SetStatus(CommandHint(label));
    return true;
}

bool MainPanelModel::HoverBackground(Point p) {
    bool changed = false;
    if (skin_.DragRect.Contains(p)) {
        changed = SetStatus(kDragHint);
    } else if (skin_.AboutRect.Contains(p)) {
        changed = SetStatus(kAboutHint);
        backgroundCursor_ = CursorShape::Hand;
    } else {
        changed = SetStatus("");
        backgroundCursor_ = CursorShape::Arrow;
    }
    if (hotLabel_ != 0) {
        hotLabel_ = 0;
        changed = true;
    }
    return changed;
}

MainPanelModel::MoveResult MainPanelModel::MouseMove(Point p, bool leftHeld) {
    // The control that took a press keeps the mouse until the release, as a
    // captured control does: a drag goes on over the labels.
    const PanelHit hit = pressed_ ? PanelHit{pressed_->part, HitTest(p).index} : HitTest(p);
    lastPart_ = hit.part;
    MoveResult result;
    const PanelPart hoveredBefore = hoveredButton_;
    const PanelHit under = HitTest(p);
    hoveredButton_ = (under.part == PanelPart::Minimize || under.part == PanelPart::Close) ? under.part
                                                                                          : PanelPart::Background;
    result.redraw = hoveredBefore != hoveredButton_;

    switch (hit.part) {
    case PanelPart::Command:
        result.redraw |= HoverLabel(pressed_ ? pressed_->index : hit.index);
        break;
    case PanelPart::Background:
        if (leftHeld && dragOrigin_.x != kNoDrag) {
            result.windowMovedBy = Point{p.x - dragOrigin_.x, p.y - dragOrigin_.y};
            return result;
        }
        result.redraw |= HoverBackground(p);
        break;
    case PanelPart::Status:
        result.redraw |= SetStatus(kStatusHint);
        break;
    case PanelPart::Minimize:
        result.redraw |= SetStatus(kMinimizeHint);
        break;
    case PanelPart::Close:
        result.redraw |= SetStatus(kExitHint);
        break;
    case PanelPart::Selector:
        selectorTag_ = hit.index;
        if (hit.index != 0) {
            result.redraw |= SetStatus(desktopTitles_.at(static_cast<std::size_t>(hit.index - 1)));
            selectorCursor_ = CursorShape::Hand;
        } else {
            selectorCursor_ = CursorShape::Arrow;
        }
        break;
    }
    return result;
}

void MainPanelModel::Rescaled(platform::DisplayScale from, platform::DisplayScale to) {
    if (dragOrigin_.x == kNoDrag) return;
    dragOrigin_ = {to.Px(from.FromPx(dragOrigin_.x)), to.Px(from.FromPx(dragOrigin_.y))};
}

bool MainPanelModel::MouseLeave() {
    if (pressed_) return false;  // the pressed control keeps the mouse
    const bool changed = hotLabel_ != 0 || hoveredButton_ != PanelPart::Background;
    hotLabel_ = 0;
    hoveredButton_ = PanelPart::Background;
    return changed;
}

std::optional<CommandRequest> MainPanelModel::MouseDown(Point p, MouseButton button) {
    const PanelHit hit = HitTest(p);
    pressed_ = hit;
    lastPart_ = hit.part;
    const bool left = button == MouseButton::Left;
    switch (hit.part) {
    case PanelPart::Command:
        if (hit.index == 7) return CommandRequest{PanelCommand::Killer, left};
        if (hit.index == 11) return CommandRequest{PanelCommand::WindowTools, left};
        return std::nullopt;
    case PanelPart::Background:
        if (skin_.DragRect.Contains(p)) {
            dragOrigin_ = p;
            return std::nullopt;
        }
        dragOrigin_ = {kNoDrag, kNoDrag};
        if (left && skin_.AboutRect.Contains(p)) return CommandRequest{PanelCommand::About};
        return std::nullopt;
    case PanelPart::Selector:
        selectorTag_ = hit.index;
        if (left && hit.index != 0) return CommandRequest{PanelCommand::SelectDesktop, true, hit.index};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<CommandRequest> MainPanelModel::MouseUp(Point p, MouseButton button) {
    dragOrigin_ = {kNoDrag, kNoDrag};
    const std::optional<PanelHit> pressed = std::exchange(pressed_, std::nullopt);
    if (!pressed || button != MouseButton::Left) return std::nullopt;
    const PanelHit released = HitTest(p);
    if (released.part != pressed->part || released.index != pressed->index) return std::nullopt;
    switch (released.part) {
    case PanelPart::Command:
        if (const auto command = ClickCommand(released.index)) return CommandRequest{*command};
        return std::nullopt;
    case PanelPart::Minimize: return CommandRequest{PanelCommand::Minimize};
    case PanelPart::Close: return CommandRequest{PanelCommand::Exit};
    default: return std::nullopt;
    }
}

CursorShape MainPanelModel::Cursor() const {
    switch (lastPart_) {
    case PanelPart::Command: return CursorShape::Hand;
    case PanelPart::Background: return backgroundCursor_;
    case PanelPart::Selector: return selectorCursor_;
    default: return CursorShape::Arrow;
    }
}

}  // namespace vesk::ui
