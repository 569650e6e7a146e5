#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/sound.h"

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

}  // namespace vesk::engine
