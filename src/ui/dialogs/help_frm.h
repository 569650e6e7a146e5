#pragma once
#include "platform/win32/windows_api.h"

#include "engine/control_desktop.h"
#include "platform/files.h"
#include "image/rgb_image.h"

namespace vesk::ui {

// Opens the tips window (THelpFrm) with the first tip of Tips.txt beside the
// executable and returns without waiting for it: its left edge at the main
// window's left edge, its bottom where the main window's top is when the
// main window stands centred on the screen. The window lives until the user
// closes it and then releases itself; "Show Next Time" writes the live
// ShowHelp setting at once.
void ShowTipsWindow(HINSTANCE instance, HWND mainWindow, const image::RgbImage* dialogImage,
                    engine::TControlDesktop& live, platform::Files& files);

}  // namespace vesk::ui
