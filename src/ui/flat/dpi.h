#pragma once
#include "platform/win32/windows_api.h"

#include "platform/display_scale.h"
#include "ui/flat/flat_control.h"

namespace vesk::ui::flat {

using platform::DisplayScale;

// The scale of the display the window is on (GetDpiForWindow), or the
// system's where user32 has no per-monitor answer (before Windows 10 1607,
// and Wine, which answers with the system's anyway).
DisplayScale WindowScale(HWND window);

// The system's scale: the one windows get before they know their monitor.
DisplayScale SystemScale();

// Reference (96 DPI) bounds on the display.
Bounds Scaled(const Bounds& reference, DisplayScale scale);

// The scale a window lays its flat controls out at: its answer to
// DisplayScaleQueryMessage, or 96 DPI from a window that does not answer.
DisplayScale LayoutScale(HWND window);

}  // namespace vesk::ui::flat
