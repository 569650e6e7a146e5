#pragma once
#include <optional>
#include <string>

namespace vesk::platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Sets the desktop wallpaper (nullopt: no wallpaper) and tells other
    // programs without waiting on any of them.
    virtual bool SetDeskWallpaper(const std::optional<std::string>& path) = 0;
    // The wallpaper shown now; empty for none.
    virtual std::string DeskWallpaper() = 0;
    // Opens a document or address with its associated program.
    virtual bool Open(const std::string& target) = 0;
};

}  // namespace vesk::platform
