#pragma once
#include <string>

#include "engine/control_desktop.h"

namespace vesk::engine {

// A name as it may be kept: control characters (which would break a menu
// item or the status line) become spaces, and anything past
// kLongestDesktopName characters is cut, never inside a character.
std::string LimitedDesktopName(const std::string& name);

// How a desktop is shown to the user: the label alone ("Vesk 3", "Desktop
// 3"), or followed by the name ("Vesk 3 · Mail").
std::string Labelled(const std::string& label, const std::string& name);

// "Vesk n" with desktop n's name: the status line, the tray, the settings.
std::string DesktopTitle(int desktop, const std::string& name);
std::string DesktopTitle(const TControlDesktop& state, int desktop);

}  // namespace vesk::engine
