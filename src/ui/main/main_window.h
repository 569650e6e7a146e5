#pragma once
#include "ui/main/windows_api.h"

#include "ui/main/app.h"
#include "ui/main/window_class.h"

namespace vesk::ui {

RegisteredWindowClass RegisterMainWindowClass(HINSTANCE instance);

// Creates the hidden main window. Its creation starts `app`; WM_CLOSE finishes
// it, destroys the window and ends the message loop. nullptr when the window
// or the start failed.
HWND CreateMainWindow(const RegisteredWindowClass& windowClass, HINSTANCE instance, App& app);

}  // namespace vesk::ui
