#pragma once
#include "platform/shell.h"

namespace vesk::platform::win32 {

class Win32Shell final : public Shell {
public:
    bool SetDeskWallpaper(const std::optional<std::string>& path) override;
    std::string DeskWallpaper() override;
    bool Open(const std::string& target) override;
};

}  // namespace vesk::platform::win32
