#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "engine/control_desktop.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/sound.h"
#include "platform/window_manager.h"

namespace vesk::engine {

struct WallpaperSetting {
    std::string path;       // empty: no wallpaper
    std::uint8_t style = 0;  // 0 centre, 1 stretch, 2 tile
};

// The wallpaper in effect now, from the shell's settings.
WallpaperSetting ReadSystemWallpaper(platform::Registry& registry, platform::Files& files);

// The Windows directory with a trailing backslash.
std::string ReadWindowsDir(platform::Files& files);

// nullopt when the device cannot be read.
std::optional<std::uint32_t> GetVolume(platform::Sound& sound);

bool SetVolume(platform::Sound& sound, std::uint32_t volume);
// The wave-out volume found at start, read at its first use (the first
// music state applied, or the exit) rather than while the program starts,
// where loading winmm for it delayed the hotkeys. A level below
// 1,000,000,000, or no device, gives 0xC4C4C4C4.
std::uint32_t StartVolumeOf(TControlDesktop& state, platform::Sound& sound);

// Puts desktop n's wallpaper into effect (n = 0: the one in effect at start):
// the shell's values under both keys, then the system call.
void ApplyWallpaper(const TControlDesktop& state, platform::Services& system, int desktop);

struct ImportResult {
    bool ok = false;
    std::string path;   // the wallpaper file to name when ok
    std::string error;  // why the picture could not be imported
};

// Copies a chosen picture into the Windows directory, or where that cannot be
// written into a "Vesk" folder of the user's local application data; a
// picture that is not a bitmap is decoded as JPEG and written as a .bmp beside
// it. The chosen file is never changed; the intermediate copy is always
// removed.
ImportResult ImportWallpaper(const TControlDesktop& state, platform::Files& files, const std::string& chosen);

// The shell's desktop-icon window and taskbar are only touched when their
// visibility must change; the result tells whether a change was asked for
// (a missing shell window, handle 0, counts as hidden).
bool ShowShellWindow(platform::WindowManager& windows, WindowHandle window);
bool HideShellWindow(platform::WindowManager& windows, WindowHandle window);

}  // namespace vesk::engine
