#pragma once
#include <string>

// Every registry key and value name the program reads or writes.
namespace vesk::engine::reg {

inline constexpr const char* kVeskKey = "SoftWare\\Vesk";
inline constexpr const char* kCommonKey = "SoftWare\\Vesk\\Common";
inline constexpr const char* kDesktopKeyPrefix = "SoftWare\\Vesk\\Desktop";
inline std::string DesktopKey(int desktop) { return kDesktopKeyPrefix + std::to_string(desktop); }

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Vesk";

// Common values.
inline constexpr const char* kDesktopNum = "DesktopNum";
inline constexpr const char* kAutoRun = "AutoRun";
inline constexpr const char* kUseControlPassword = "UseControlPassword";
inline constexpr const char* kExitMainWindow = "ExitMainWindow";
inline constexpr const char* kControlPassword = "ControlPassword";
inline constexpr const char* kSettingPassword = "SettingPassword";
inline constexpr const char* kControlHot1 = "ControlHot1";
inline constexpr const char* kControlHot2 = "ControlHot2";
inline constexpr const char* kSetting1 = "Setting1";
inline constexpr const char* kSetting2 = "Setting2";
inline constexpr const char* kRecord1 = "Record1";
inline constexpr const char* kRecord2 = "Record2";
inline constexpr const char* kPlay1 = "Play1";
inline constexpr const char* kPlay2 = "Play2";
inline constexpr const char* kShowHelp = "ShowHelp";
inline constexpr const char* kRecordHint = "RecordHint";
inline constexpr const char* kShowIcon = "ShowIcon";
inline constexpr const char* kMaxSize = "MaxSize";

// Per-desktop values.
inline constexpr const char* kDesktopHot = "DesktopHot";
inline constexpr const char* kWallpaper = "Wallpaper";
inline constexpr const char* kTileWall = "TileWall";
inline constexpr const char* kPassword = "Password";
inline constexpr const char* kForwhat = "Forwhat";
// A missing "Forwhat" is created under this spelling; the registry compares
// value names without case, so both name the same value.
inline constexpr const char* kForwhatCreated = "ForWhat";
inline constexpr const char* kProgWnd = "ProgWnd";
inline constexpr const char* kTrayWnd = "TrayWnd";
inline constexpr const char* kVolume = "Volume";

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
