#include "ui/main/app.h"

#include <memory>

#include "platform/win32/window_handle.h"
#include "ui/dialogs/pass_frm.h"
#include "ui/main/program_dir.h"

namespace vesk::ui {

App::App(HINSTANCE instance)
    : prompt_([instance, image = &dialogImage_] { return std::make_unique<TPassFrm>(instance, image); }),
      journal_(system_.services().registry, system_.services().windows),
      crashRestore_(state_) {}

bool App::Load() noexcept {
    try {
        auto& services = system_.services();
        state_.ProgramDir = FolderOf(services.files.ExecutablePath());
        engine::LoadSettings(state_, services);
        // Before desktop 1 collects what is on the screen: windows an earlier
        // run hid and never gave back are visible again by then.
        journal_.RestoreEarlierRun();
        return true;
    } catch (...) {
        return false;
    }
}

void App::TakeWindows(HWND mainWindow, HWND appWindow) {
    state_.MainWindowHandle = platform::win32::FromHwnd(mainWindow);
    state_.AppWindowHandle = platform::win32::FromHwnd(appWindow);
}

}  // namespace vesk::ui
