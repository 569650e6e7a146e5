#pragma once
#include <string>

namespace vesk::ui {

// The folder of a full Windows path, keeping its trailing backslash
// ("C:\Vesk\Vesk.exe" -> "C:\Vesk\"); empty when the path has no folder.
inline std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

}  // namespace vesk::ui
