#pragma once
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/power.h"

namespace vesk::platform::sim {

// Records every call in order; nothing is ever shut down.
class SimPower : public Power {
public:
    std::optional<std::uint32_t> VersionPlatformId() override { return platformId; }
    bool EnableShutdownPrivilege() override {
        calls.push_back("EnableShutdownPrivilege");
        return privilegeGranted;
    }
    bool ExitWindows(ExitMode mode) override {
        calls.push_back("ExitWindows " + std::to_string(static_cast<unsigned>(mode)));
        return true;
    }
    bool SetSystemPowerState(bool suspend, bool force) override {
        calls.push_back("SetSystemPowerState " + std::to_string(suspend) + " " + std::to_string(force));
        return workingPowerStates.count({suspend, force}) != 0;
    }

    std::optional<std::uint32_t> platformId = 2;
    bool privilegeGranted = true;
    std::set<std::pair<bool, bool>> workingPowerStates{{false, false}};
    std::vector<std::string> calls;
};

}  // namespace vesk::platform::sim
