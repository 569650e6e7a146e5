#pragma once
#include <string>

// Every registry key the program reads or writes, and the value names
// outside the settings.
namespace vesk::engine::reg {

inline constexpr const char* kVeskKey = "SoftWare\\Vesk";
inline constexpr const char* kCommonKey = "SoftWare\\Vesk\\Common";
inline constexpr const char* kDesktopKeyPrefix = "SoftWare\\Vesk\\Desktop";
inline std::string DesktopKey(int desktop) { return kDesktopKeyPrefix + std::to_string(desktop); }

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Vesk";

// The desktop count: written at save, never read. The settings' own value
// names are in the tables of settings_store.cpp.
inline constexpr const char* kDesktopNum = "DesktopNum";

// Windows hidden by the program, kept per user so that a crash loses none
// (HKEY_CURRENT_USER).
inline constexpr const char* kRecoveryKey = "Software\\Vesk\\Recovery";
inline constexpr const char* kHiddenWindowsValue = "HiddenWindows";

// The shell's wallpaper settings (HKEY_CURRENT_USER).
inline constexpr const char* kDesktopWallpaperKey = "Control Panel\\desktop";
inline constexpr const char* kIeWallpaperKey = "SoftWare\\Microsoft\\Internet Explorer\\Desktop\\General";
inline constexpr const char* kWallPaperValue = "WallPaper";
inline constexpr const char* kTileWallpaperValue = "TileWallpaper";
inline constexpr const char* kWallpaperStyleValue = "WallpaperStyle";

}  // namespace vesk::engine::reg
