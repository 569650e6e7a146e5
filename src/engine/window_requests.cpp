#include "engine/window_requests.h"

#include <unordered_map>
#include <unordered_set>

#include "engine/desktop_switch.h"

namespace vesk::engine {
namespace {

WindowRequest Next(TControlDesktop& s, std::uint64_t now) { return {++s.LastRequestSerial, now}; }

bool UnderWay(const WindowRequest& request, std::uint64_t now) {
    return request.serial != 0 && now - request.at < kLateChangeMs;
}

}  // namespace

void NoteHidden(TControlDesktop& s, int desktop, std::uint64_t now) { s.Desktop(desktop).Hidden = Next(s, now); }

void NoteShown(TControlDesktop& s, int desktop, std::uint64_t now) { s.Desktop(desktop).Shown = Next(s, now); }

void NoteHiddenSingly(TControlDesktop& s, WindowHandle window, std::uint64_t now) {
    std::erase_if(s.HiddenSingly, [&](const auto& entry) { return !UnderWay(entry.second, now); });
    s.HiddenSingly.push_back({window, Next(s, now)});
}

void CollectWithRequests(TControlDesktop& s, platform::WindowManager& windows, int n, std::uint64_t now) {
    // The latest hide under way of each window, for any other desktop.
    std::unordered_map<WindowHandle, std::uint64_t> hiddenFor;
    const auto noteHidden = [&](WindowHandle w, const WindowRequest& request) {
        auto& serial = hiddenFor[w];
        if (serial < request.serial) serial = request.serial;
    };
    for (int d = 1; d <= kDesktopCount; ++d) {
        const DesktopRecord& other = s.Desktop(d);
        if (d == n || !UnderWay(other.Hidden, now)) continue;
        for (auto w : other.WindowList) noteHidden(w, other.Hidden);
    }
    for (const auto& [w, request] : s.HiddenSingly) {
        if (UnderWay(request, now)) noteHidden(w, request);
    }
    DesktopRecord& desktop = s.Desktop(n);
    const std::uint64_t shownSerial = UnderWay(desktop.Shown, now) ? desktop.Shown.serial : 0;
    if (hiddenFor.empty() && shownSerial == 0) {
        CollectDesktopWindows(s, windows, n);
        return;
    }
    std::unordered_set<WindowHandle> shownHere;
    if (shownSerial != 0) shownHere.insert(desktop.WindowList.begin(), desktop.WindowList.end());

    desktop.WindowList.clear();
    desktop.FocusWindow = windows.Foreground();
    for (auto w : windows.EnumTopLevel()) {
        if (IsOwnOrShellWindow(s, w)) continue;
        const auto hidden = hiddenFor.find(w);
        const std::uint64_t hiddenSerial = hidden == hiddenFor.end() ? 0 : hidden->second;
        const std::uint64_t shown = shownHere.count(w) ? shownSerial : 0;
        if (hiddenSerial > shown) continue;
        if (shown != 0 || windows.IsVisible(w)) desktop.WindowList.push_back(w);
    }
}

}  // namespace vesk::engine
