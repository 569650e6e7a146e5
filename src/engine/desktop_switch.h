#pragma once
#include <vector>

#include "engine/control_desktop.h"
#include "engine/desktop_view.h"
#include "engine/hidden_windows.h"
#include "engine/prompt.h"
#include "platform/services.h"

namespace vesk::engine {

// Everything a desktop command works with.
struct DesktopContext {
    TControlDesktop& state;
    platform::Services& system;
    Prompt& prompt;
    DesktopView& view;
    HiddenWindowJournal& journal;
};

// The program's own main and application windows, and the shell's icon
// window and taskbar: windows that belong to no desktop.
bool IsOwnOrShellWindow(const TControlDesktop& state, WindowHandle window);

// A visible top-level window that is none of IsOwnOrShellWindow's.
bool QualifiesForDesktop(const TControlDesktop& state, platform::WindowManager& windows, WindowHandle window);

// Rebuilds desktop n's list from the qualifying windows now on screen, in
// enumeration order, and remembers the foreground window.
void CollectDesktopWindows(TControlDesktop& state, platform::WindowManager& windows, int desktop);

// Empties a list, last entry first, showing each window that still exists
// when showWindows is set. The journal of hidden windows is the caller's.
void ReleaseWindowList(DesktopContext& context, std::vector<WindowHandle>& list, bool showWindows);

// Every top-level window but the program's own two, visible or not.
void SnapshotAllWindows(TControlDesktop& state, platform::WindowManager& windows);

// Leaves the current desktop for target (not the current one). Returns false
// when a password was refused; nothing has changed then.
bool SwitchDesktop(DesktopContext& context, int target);

// The current desktop's sound flag sets the volume and the music caption.
void ApplyMusic(DesktopContext& context);
// The music caption alone, for the first paint: the start applies the volume
// once the hotkeys are in.
void ShowMusicState(DesktopContext& context);

// One of the two shell windows a desktop shows or hides: its flag in the
// desktop's record, its handle, and the caption of the command that toggles
// it, which names what the next click does ("Hide ..." while shown).
struct ShellWindowKind {
    bool DesktopRecord::*flag;
    WindowHandle TControlDesktop::*window;
    void (DesktopView::*setCaption)(const std::string&);
    const char* shownCaption;
    const char* hiddenCaption;
};
inline constexpr ShellWindowKind kTaskbarKind{&DesktopRecord::TrayWnd, &TControlDesktop::TaskbarWindow,
                                              &DesktopView::SetTaskbarCommandCaption, "Hide TaskBar", "Show TaskBar"};
inline constexpr ShellWindowKind kDesktopIconsKind{&DesktopRecord::ProgWnd, &TControlDesktop::DesktopIconsWindow,
                                                   &DesktopView::SetIconsCommandCaption, "Hide Desk", "Show Desk"};

// Shows or hides the window as the current desktop wants; the caption
// changes only when the window did.
void ApplyShellWindow(DesktopContext& context, const ShellWindowKind& kind);

// The move and copy hotkeys: the foreground window, when it qualifies, joins
// desktop n's list; a moved window is hidden and leaves the current desktop.
void MoveForegroundWindow(DesktopContext& context, int desktop);
void CopyForegroundWindow(DesktopContext& context, int desktop);

// Every window of every desktop shown again, the shell's windows shown, the
// start-up wallpaper and volume back.
void RestoreDesktop(DesktopContext& context);

}  // namespace vesk::engine
