#pragma once
#include "platform/win32/windows_api.h"

#include "platform/display_scale.h"
#include "ui/flat/fonts.h"

namespace vesk::ui {

// A Swiss face `points` high on a display of that scale. flat::PointsHigh
// asks the screen, which a per-monitor aware program finds at the system's
// scale whatever monitor its window is on.
inline flat::ScopedFont ScaledFont(const wchar_t* name, int points, platform::DisplayScale scale) {
    return flat::MakeFont(flat::NamedFace(name, -MulDiv(points, scale.Dpi(), 72), DEFAULT_PITCH | FF_SWISS));
}

}  // namespace vesk::ui
