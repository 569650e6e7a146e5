#pragma once
#include "platform/win32/windows_api.h"

#include <string>

namespace vesk::ui {

// The open-file dialog of the settings dialog's ">>>" button. filter: in the
// "Name|*.a;*.b" notation. The chosen file, or empty when cancelled.
std::string AskWallpaperFile(HWND owner, const std::string& filter);

}  // namespace vesk::ui
