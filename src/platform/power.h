#pragma once
#include <cstdint>
#include <optional>

namespace vesk::platform {

enum class ExitMode : unsigned { Shutdown = 1, Reboot = 2 };

class Power {
public:
    virtual ~Power() = default;
    // The version query's platform id (0 Win32s, 1 9x, 2 NT); nullopt when the
    // query failed.
    virtual std::optional<std::uint32_t> VersionPlatformId() = 0;
    // Opens the process token, looks up "SeShutdownPrivilege" and enables it;
    // false when a step failed or the privilege was not granted.
    virtual bool EnableShutdownPrivilege() = 0;
    virtual bool ExitWindows(ExitMode mode) = 0;
    // suspend false hibernates; force true does not ask running programs.
    virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
};

}  // namespace vesk::platform
