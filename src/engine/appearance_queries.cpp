#include <charconv>

#include "engine/appearance.h"
#include "engine/registry_names.h"

namespace vesk::engine {
namespace {

struct ShellWallpaperValues {
    std::string path;
    std::string tile;
    std::string style;
};

ShellWallpaperValues ReadShellValues(platform::Registry& registry, const char* keyPath,
                                     platform::Files& files) {
    ShellWallpaperValues values;
    auto key = registry.OpenKey(platform::RegistryRoot::CurrentUser, keyPath, false);
    if (!key) return values;
    values.path = key->ReadString(reg::kWallPaperValue).value_or("");
    if (!values.path.empty() && !files.Exists(values.path)) values.path.clear();
    values.tile = key->ReadString(reg::kTileWallpaperValue).value_or("");
    values.style = key->ReadString(reg::kWallpaperStyleValue).value_or("");
    return values;
}

// Anything but a whole decimal number reads as 0.
std::uint8_t ParseStyleNumber(const std::string& text) {
    int number = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end) return 0;
    return static_cast<std::uint8_t>(number & 0xFF);
}

std::uint8_t StyleOf(const ShellWallpaperValues& values) {
    if (values.tile != "0") return 2;  // an absent value counts as tiled
    if (values.style == "2") return 1;
    return ParseStyleNumber(values.style);
}

}  // namespace

WallpaperSetting ReadSystemWallpaper(platform::Registry& registry, platform::Files& files) {
    ShellWallpaperValues values = ReadShellValues(registry, reg::kDesktopWallpaperKey, files);
    if (values.path.empty()) values = ReadShellValues(registry, reg::kIeWallpaperKey, files);
    return {values.path, StyleOf(values)};
}

std::string ReadWindowsDir(platform::Files& files) {
    std::string dir = files.WindowsDirectory();
    if (dir.empty() || dir.back() != '\\') dir += '\\';
    return dir;
}

std::optional<std::uint32_t> GetVolume(platform::Sound& sound) { return sound.GetVolume(); }

}  // namespace vesk::engine
