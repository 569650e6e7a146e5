#pragma once
#include <cstdint>

#include "engine/control_desktop.h"

namespace vesk::engine {

// How long a hide or show asked of another program's window may take to be
// seen: as long as Windows waits before it calls a program hung. Until then
// a window belongs to the desktop it was last hidden or shown for, whatever
// it looks like; after that, what is on screen counts again.
inline constexpr std::uint64_t kLateChangeMs = 5000;

// Notes that desktop n's windows were just hidden, or shown.
void NoteHidden(TControlDesktop& state, int desktop, std::uint64_t now);
void NoteShown(TControlDesktop& state, int desktop, std::uint64_t now);
// Notes that one window was just hidden for another desktop.
void NoteHiddenSingly(TControlDesktop& state, WindowHandle window, std::uint64_t now);

// Rebuilds desktop n's list from the windows on screen, like
// CollectDesktopWindows, but a window with a request still under way counts
// as what was asked: one hidden for another desktop is left out even while
// still visible, and one shown for n is kept even before it appears.
void CollectWithRequests(TControlDesktop& state, platform::WindowManager& windows, int desktop,
                         std::uint64_t now);

}  // namespace vesk::engine
