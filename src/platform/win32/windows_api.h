#pragma once
// Include <windows.h> through this header wherever platform headers are also
// seen: winuser.h keeps ExitWindows as a two-argument macro from Windows 3.x,
// which would rewrite every mention of Power::ExitWindows after it. Nothing
// uses the macro, and <windows.h>'s include guard keeps it from coming back.
#include <windows.h>
#undef ExitWindows
