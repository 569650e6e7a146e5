#pragma once
#include "engine/control_desktop.h"

namespace vesk::ui {

// While it lives, a crash of the program (an unhandled structured exception,
// or std::terminate, which is where a C++ exception escaping a window
// procedure ends under mingw's i686 unwinder) shows every window of every
// desktop and the shell's windows again before the process dies. Only one
// may exist at a time.
class CrashRestore {
public:
    explicit CrashRestore(const engine::TControlDesktop& state);
    ~CrashRestore();
    CrashRestore(const CrashRestore&) = delete;
    CrashRestore& operator=(const CrashRestore&) = delete;
};

}  // namespace vesk::ui
