#pragma once
#include "ui/main/windows_api.h"

#include "engine/control_desktop.h"
#include "platform/win32/win32_system.h"

namespace vesk::ui {

// The running program: the real system and the engine state, from the main
// window's creation to its close.
class App {
public:
    App() = default;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Loads the settings for the given main window; false when that failed
    // and the program cannot go on.
    bool Start(HWND mainWindow) noexcept;
    // Stores the settings and the autostart entry.
    void Finish() noexcept;

private:
    platform::win32::Win32System system_;
    engine::TControlDesktop state_;
};

}  // namespace vesk::ui
