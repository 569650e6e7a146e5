#include "ui/main/app.h"

#include <cstdint>

#include "ui/main/program_dir.h"

namespace vesk::ui {

// Both run inside the window procedure. Exceptions are stopped here because
// mingw's i686 DWARF unwinder cannot cross user32's callback frames: one that
// escaped would abort the process instead of reaching any handler.

bool App::Start(HWND mainWindow) noexcept {
    try {
        auto& services = system_.services();
        state_.MainWindowHandle = reinterpret_cast<std::uintptr_t>(mainWindow);
        state_.ProgramDir = FolderOf(services.files.ExecutablePath());
        engine::LoadSettings(state_, services);
        return true;
    } catch (...) {
        return false;
    }
}

void App::Finish() noexcept {
    try {
        auto& services = system_.services();
        engine::SaveSettings(state_, services.registry, services.files.ExecutablePath());
    } catch (...) {
        // Closing must not be blocked by settings that could not be written.
    }
}

}  // namespace vesk::ui
