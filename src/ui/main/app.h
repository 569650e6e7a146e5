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

    // Loads the settings and shows again what an earlier run that crashed
    // left hidden. It runs before the main window is made: under Wine the
    // first window of a process keeps the server and the X server busy for
    // a while, and the load's 140 round trips then took 15 ms instead of 3.
    // False when the load failed and the program cannot go on.
    bool Load() noexcept;
    // Notes the main window, being created, and its hidden owner.
    void TakeWindows(HWND mainWindow, HWND appWindow);

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
