#pragma once
#include "platform/power.h"

namespace vesk::platform::win32 {

class Win32Power final : public Power {
public:
    std::optional<std::uint32_t> VersionPlatformId() override;
    bool EnableShutdownPrivilege() override;
    bool ExitWindows(ExitMode mode) override;
    bool SetSystemPowerState(bool suspend, bool force) override;
};

}  // namespace vesk::platform::win32
