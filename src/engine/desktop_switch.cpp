#include "engine/desktop_switch.h"

#include "engine/appearance.h"
#include "engine/desktop_names.h"
#include "engine/window_requests.h"

namespace vesk::engine {
namespace {

// Hides every window of list, which now belong to desktop. The callers have
// just found them visible, or shown them a moment ago (not visible yet, and
// the hide must follow the show), so visibility is not asked again: under
// Wine each question about another process's window is a round trip to the
// server.
void HideListed(DesktopContext& c, int desktop, const std::vector<WindowHandle>& list) {
    // Journal first: a crash between here and the last hide must lose nothing.
    c.journal.WillHide(desktop, list);
    c.system.windows.HideEach(list);
}

bool PasswordAccepted(DesktopContext& c, const char* question, const DesktopRecord& desktop) {
    return c.prompt.Ask(question, true, desktop.Password) == PromptResult::Ok;
}

}  // namespace

bool IsOwnOrShellWindow(const TControlDesktop& s, WindowHandle w) {
    return w == s.AppWindowHandle || w == s.MainWindowHandle || w == s.DesktopIconsWindow || w == s.TaskbarWindow;
}

// The handles are compared first: they cost no call to the system.
bool QualifiesForDesktop(const TControlDesktop& s, platform::WindowManager& windows, WindowHandle w) {
    return !IsOwnOrShellWindow(s, w) && windows.IsVisible(w);
}

void CollectDesktopWindows(TControlDesktop& s, platform::WindowManager& windows, int n) {
    DesktopRecord& d = s.Desktop(n);
    d.WindowList.clear();
    d.FocusWindow = windows.Foreground();
    for (auto w : windows.EnumTopLevel()) {
        if (QualifiesForDesktop(s, windows, w)) d.WindowList.push_back(w);
    }
}

void ReleaseWindowList(DesktopContext& c, std::vector<WindowHandle>& list, bool showWindows) {
    if (showWindows) c.system.windows.ShowEach({list.rbegin(), list.rend()});
    list.clear();
}

void SnapshotAllWindows(TControlDesktop& s, platform::WindowManager& windows) {
    s.AllWindows.clear();
    for (auto w : windows.EnumTopLevel()) {
        if (w != s.MainWindowHandle && w != s.AppWindowHandle) s.AllWindows.push_back(w);
    }
}

bool SwitchDesktop(DesktopContext& c, int target) {
    TControlDesktop& s = c.state;
    auto& windows = c.system.windows;
    const int current = s.CurrentDesktop;
    const DesktopRecord& leaving = s.Desktop(current);
    DesktopRecord& entering = s.Desktop(target);
    if ((leaving.Forwhat & kPasswordOnLeave) && !PasswordAccepted(c, "Exit Password", leaving)) return false;
    if ((entering.Forwhat & kPasswordOnEnter) && !PasswordAccepted(c, "Enter Password", entering)) return false;

    c.view.DrawSelectorOutline(current, false);
    c.view.DrawSelectorOutline(target, true);
    const std::uint64_t now = c.system.clock.Milliseconds();
    CollectWithRequests(s, windows, current, now);
    HideListed(c, current, s.Desktop(current).WindowList);
    NoteHidden(s, current, now);
    c.view.SetStatusText(DesktopTitle(s, target));
    s.CurrentDesktop = target;
    ApplyShellWindow(c, kDesktopIconsKind);
    ApplyShellWindow(c, kTaskbarKind);
    ApplyMusic(c);
    // Gone windows stay listed, and showing one does nothing; the list is
    // rebuilt when the desktop is left.
    windows.ShowEach(entering.WindowList);
    NoteShown(s, target, now);
    c.journal.Entered(target);
    windows.SetForeground(entering.FocusWindow);
    ApplyWallpaper(s, c.system, target);
    c.view.DesktopEntered(target);
    return true;
}

void ApplyShellWindow(DesktopContext& c, const ShellWindowKind& kind) {
    auto& windows = c.system.windows;
    const WindowHandle window = c.state.*kind.window;
    if (c.state.Desktop(c.state.CurrentDesktop).*kind.flag) {
        if (ShowShellWindow(windows, window)) (c.view.*kind.setCaption)(kind.shownCaption);
    } else if (HideShellWindow(windows, window)) {
        (c.view.*kind.setCaption)(kind.hiddenCaption);
    }
}

void ApplyMusic(DesktopContext& c) {
    const bool on = c.state.Desktop(c.state.CurrentDesktop).Volume;
    SetVolume(c.system.sound, on ? StartVolumeOf(c.state, c.system.sound) : 0);
    ShowMusicState(c);
}

void ShowMusicState(DesktopContext& c) {
    const bool on = c.state.Desktop(c.state.CurrentDesktop).Volume;
    c.view.SetMusicCommandCaption(on ? "Music On" : "Music Off");
}

void MoveForegroundWindow(DesktopContext& c, int desktop) {
    TControlDesktop& s = c.state;
    auto& windows = c.system.windows;
    if (desktop == s.CurrentDesktop) return;
    const WindowHandle w = windows.Foreground();
    if (!QualifiesForDesktop(s, windows, w)) return;
    s.Desktop(desktop).WindowList.push_back(w);
    HideListed(c, desktop, {w});
    const std::uint64_t now = c.system.clock.Milliseconds();
    NoteHiddenSingly(s, w, now);
    CollectWithRequests(s, windows, s.CurrentDesktop, now);
}

void CopyForegroundWindow(DesktopContext& c, int desktop) {
    TControlDesktop& s = c.state;
    if (desktop == s.CurrentDesktop) return;
    const WindowHandle w = c.system.windows.Foreground();
    if (QualifiesForDesktop(s, c.system.windows, w)) s.Desktop(desktop).WindowList.push_back(w);
}

void RestoreDesktop(DesktopContext& c) {
    TControlDesktop& s = c.state;
    for (int n = 1; n <= s.DesktopNum; ++n) ReleaseWindowList(c, s.Desktop(n).WindowList, true);
    s.AllWindows.clear();
    ShowShellWindow(c.system.windows, s.DesktopIconsWindow);
    ShowShellWindow(c.system.windows, s.TaskbarWindow);
    ApplyWallpaper(s, c.system, 0);
    SetVolume(c.system.sound, StartVolumeOf(s, c.system.sound));
    c.journal.Clear();
}

}  // namespace vesk::engine
