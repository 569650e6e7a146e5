#pragma once
#include <windows.h>

// winuser.h keeps ExitWindows as a two-argument macro from Win16 days; left
// defined it rewrites the one-argument platform::Power::ExitWindows.
#undef ExitWindows
