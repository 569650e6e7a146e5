#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace vesk::platform::sim {

class SimShell : public Shell {
public:
    // Windows has no value of its own for "no wallpaper": it is given, and
    // reports back, an empty path.
    bool SetDeskWallpaper(const std::optional<std::string>& path) override {
        wallpaper = path.value_or("");
        wallpaperCalls.push_back(wallpaper);
        return true;
    }
    std::string DeskWallpaper() override { return wallpaper; }
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return true;
    }

    std::string wallpaper;  // the one shown now; empty: none, as on a fresh system
    std::vector<std::string> wallpaperCalls;  // every one set, in order
    std::vector<std::string> opened;
};

}  // namespace vesk::platform::sim
