#pragma once
#include "platform/win32/windows_api.h"

#include <optional>
#include <string>

namespace vesk::ui {

// The recorder's file dialogs, owned by the main window. The chosen path in
// UTF-8, or nullopt when the user cancelled.
// Save: an existing file is replaced without asking; ".RKM" is added to a
// name without extension.
std::optional<std::string> AskRecordFileToSave(HWND owner);
// Open: only an existing file is accepted.
std::optional<std::string> AskRecordFileToOpen(HWND owner);

}  // namespace vesk::ui
