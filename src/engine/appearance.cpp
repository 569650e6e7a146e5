#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "engine/appearance.h"
#include "image/bmp_writer.h"
#include "engine/registry_names.h"
#include "image/jpeg_decoder.h"

namespace vesk::engine {
namespace {

// The volume below which the start-up level is taken as "too quiet to be
// meant" and replaced by a moderate level on both channels.
constexpr std::uint32_t kQuietVolumeLimit = 1000000000;
constexpr std::uint32_t kModerateVolume = 0xC4C4C4C4;

struct ShellStyle {
    const char* tile = nullptr;  // both null: an unknown code, which leaves the shell's style alone
    const char* stretch = nullptr;
};

ShellStyle StyleValues(const std::string& path, std::uint8_t style) {
    if (path.empty() || style == 0) return {"0", "0"};
    if (style == 1) return {"0", "2"};
    if (style == 2) return {"1", "0"};
    return {};
}

void WriteShellValues(platform::RegistryKey& key, const std::string& path, std::uint8_t style) {
    key.WriteString(reg::kWallPaperValue, path);
    const ShellStyle values = StyleValues(path, style);
    if (!values.tile) return;
    key.WriteString(reg::kTileWallpaperValue, values.tile);
    key.WriteString(reg::kWallpaperStyleValue, values.stretch);
}

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

bool ShellValuesMatch(platform::RegistryKey& key, const std::string& path, std::uint8_t style) {
    const auto wallpaper = key.ReadString(reg::kWallPaperValue);
    if (!wallpaper || !SamePath(*wallpaper, path)) return false;
    if (path.empty()) return true;  // without a picture the style shows nothing
    const ShellStyle values = StyleValues(path, style);
    return !values.tile || (key.ReadString(reg::kTileWallpaperValue) == values.tile &&
                            key.ReadString(reg::kWallpaperStyleValue) == values.stretch);
}

std::string FileNamePart(const std::string& path) {
    const auto cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string UpperExtension(const std::string& fileName) {
    const auto dot = fileName.find_last_of('.');
    std::string ext = dot == std::string::npos ? std::string() : fileName.substr(dot);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

std::string WithBmpExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto separator = path.find_last_of("\\/:");
    const bool hasExtension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (hasExtension ? path.substr(0, dot) : path) + ".bmp";
}

// Imported pictures go to the Windows directory, or to this folder under the
// user's local application data where the Windows directory is refused.
constexpr const char* kUserWallpaperFolder = "Vesk";

// Imports into one folder (with a trailing backslash). `unwritable` tells that
// the folder refused the copy or the bitmap, so another folder may do.
ImportResult ImportInto(const std::string& folder, platform::Files& files, const std::string& chosen,
                        bool& unwritable) {
    unwritable = false;
    const std::string copy = folder + FileNamePart(chosen);
    const bool sameFile = SamePath(copy, chosen);
    if (!sameFile && !files.Copy(chosen, copy, true)) {
        unwritable = true;
        return {false, {}, "The picture could not be copied to " + folder};
    }
    if (UpperExtension(copy) == ".BMP") return {true, copy, {}};

    ImportResult result;
    image::RgbImage picture;
    const auto bytes = files.ReadAll(copy);
    const auto decoded = bytes ? image::DecodeJpeg(*bytes, picture) : image::JpegResult{false, "unreadable file"};
    if (!decoded) {
        result.error = "The picture is not a JPEG picture that can be read: " + decoded.error;
    } else {
        const std::string target = WithBmpExtension(copy);
        if (files.WriteAll(target, image::EncodeBmp24(picture))) {
            result = {true, target, {}};
        } else {
            result.error = "The wallpaper could not be written to " + target;
            unwritable = true;
        }
    }
    if (!sameFile && files.Exists(copy)) files.Delete(copy);
    return result;
}

}  // namespace

bool SetVolume(platform::Sound& sound, std::uint32_t volume) { return sound.SetVolume(volume); }

std::uint32_t StartVolumeOf(TControlDesktop& state, platform::Sound& sound) {
    if (!state.StartVolume) {
        const std::uint32_t found = GetVolume(sound).value_or(0);
        state.StartVolume = found < kQuietVolumeLimit ? kModerateVolume : found;
    }
    return *state.StartVolume;
}

void ApplyWallpaper(const TControlDesktop& state, platform::Services& system, int desktop) {
    const std::string& path = desktop == 0 ? state.StartWallpaper : state.Desktop(desktop).Wallpaper;
    const std::uint8_t style = desktop == 0 ? state.StartWallStyle : state.Desktop(desktop).TileWall;
    std::vector<std::unique_ptr<platform::RegistryKey>> keys;
    for (const char* keyPath : {reg::kDesktopWallpaperKey, reg::kIeWallpaperKey}) {
        if (auto key = system.registry.OpenKey(platform::RegistryRoot::CurrentUser, keyPath, false)) {
            keys.push_back(std::move(key));
        }
    }
    // Most switches go between desktops with the same wallpaper. Setting it
    // again makes the system reload the picture, repaint the desktop and
    // announce the change to every top-level window, for nothing; a wallpaper
    // changed behind the program's back still differs and is put right.
    const bool inEffect = SamePath(system.shell.DeskWallpaper(), path) &&
                          std::all_of(keys.begin(), keys.end(), [&](const auto& key) {
                              return ShellValuesMatch(*key, path, style);
                          });
    if (inEffect) return;
    for (const auto& key : keys) WriteShellValues(*key, path, style);
    system.shell.SetDeskWallpaper(path.empty() ? std::nullopt : std::optional<std::string>(path));
}

ImportResult ImportWallpaper(const TControlDesktop& state, platform::Files& files, const std::string& chosen) {
    if (chosen.empty()) return {true, {}, {}};
    if (!files.Exists(chosen)) return {false, {}, "The picture " + chosen + " does not exist"};
    bool unwritable = false;
    ImportResult result = ImportInto(state.WindowsDir, files, chosen, unwritable);
    if (!unwritable) return result;
    // A standard user may not write into the Windows directory, and a 64-bit
    // process gets no file virtualization to cover that up: the user's own
    // folder takes the picture instead. Asked only now, as the shell library
    // that knows it is loaded at its first call.
    const std::string local = files.LocalAppDataDirectory();
    const std::string userDir = local + "\\" + kUserWallpaperFolder + "\\";
    if (!local.empty() && files.MakeDirectory(userDir.substr(0, userDir.size() - 1))) {
        result = ImportInto(userDir, files, chosen, unwritable);
        if (!unwritable) return result;
    }
    const std::string tried = state.WindowsDir + (local.empty() ? "" : " or to " + userDir);
    return {false, {}, "The picture could not be copied to " + tried};
}

bool ShowShellWindow(platform::WindowManager& windows, WindowHandle window) {
    if (windows.IsVisible(window)) return false;
    windows.Show(window);
    return true;
}

bool HideShellWindow(platform::WindowManager& windows, WindowHandle window) {
    if (!windows.IsVisible(window)) return false;
    windows.Hide(window);
    return true;
}

}  // namespace vesk::engine
