#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace vesk::platform::sim {

class SimShell : public Shell {
public:
    bool SetDeskWallpaper(const std::optional<std::string>& path) override {
        wallpaperCalls.push_back(path);
        return true;
    }
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return true;
    }

    std::vector<std::optional<std::string>> wallpaperCalls;  // nullopt: no wallpaper
    std::vector<std::string> opened;
};

}  // namespace vesk::platform::sim
