#pragma once
#include <string>

namespace vesk::engine {

// What desktop commands change in the main window and its tray menu. The
// main window implements it; tests record the calls.
class DesktopView {
public:
    virtual ~DesktopView() = default;
    // Outline of selector polygon `desktop`: red when it is the current one,
    // black otherwise.
    virtual void DrawSelectorOutline(int desktop, bool current) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetIconsCommandCaption(const std::string& caption) = 0;    // "Hide Desk" / "Show Desk"
    virtual void SetTaskbarCommandCaption(const std::string& caption) = 0;  // "Hide TaskBar" / "Show TaskBar"
    virtual void SetMusicCommandCaption(const std::string& caption) = 0;    // "Music On" / "Music Off"
    // A switch is complete: `desktop` is the current one now.
    virtual void DesktopEntered(int desktop) = 0;
};

}  // namespace vesk::engine
