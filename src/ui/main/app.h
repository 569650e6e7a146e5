#pragma once
#include "platform/win32/windows_api.h"

#include "engine/control_desktop.h"
#include "engine/hidden_windows.h"
#include "platform/win32/win32_system.h"
#include "image/rgb_image.h"
#include "ui/main/crash_restore.h"
#include "ui/main/prompt_slot.h"

namespace vesk::ui {

// The running program: the real system, the engine state, the shared prompt,
// the dialogs' title picture and the journal of hidden windows, from before
// the main window's creation to the end of the message loop.
class App {
public:
    explicit App(HINSTANCE instance);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // For the main window being created: loads the settings and shows again
    // what an earlier run that crashed left hidden. False when that failed
    // and the program cannot go on.
    bool Start(HWND mainWindow, HWND appWindow) noexcept;

    platform::Services& services() { return system_.services(); }
    engine::TControlDesktop& state() { return state_; }
    PromptSlot& prompt() { return prompt_; }
    // DialogImage: empty until the main window's first show loads the skin.
    image::RgbImage& dialogImage() { return dialogImage_; }
    engine::HiddenWindowJournal& journal() { return journal_; }

private:
    platform::win32::Win32System system_;
    engine::TControlDesktop state_;
    image::RgbImage dialogImage_;
    PromptSlot prompt_;
    engine::HiddenWindowJournal journal_;
    CrashRestore crashRestore_;
};

}  // namespace vesk::ui
