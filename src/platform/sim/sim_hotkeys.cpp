#include "platform/sim/sim_hotkeys.h"

namespace vesk::platform::sim {

bool SimHotkeys::Register(WindowHandle window, int id, int modifiers, int virtualKey) {
    const Combination combination{modifiers, virtualKey};
    if (owners_.count(combination)) return false;
    // Like Windows, registering an id again keeps the old combination too
    // until it is unregistered.
    owners_[combination] = {window, id};
    return true;
}

void SimHotkeys::Unregister(WindowHandle window, int id) {
    for (auto it = owners_.begin(); it != owners_.end();) {
        const bool ours = it->second.window == window && it->second.id == id && window != kNoWindow;
        it = ours ? owners_.erase(it) : std::next(it);
    }
}

void SimHotkeys::HoldByOtherProgram(int modifiers, int virtualKey) {
    owners_[{modifiers, virtualKey}] = {kNoWindow, 0};
}

std::optional<SimHotkeys::Combination> SimHotkeys::CombinationOf(WindowHandle window, int id) const {
    for (const auto& [combination, owner] : owners_) {
        if (owner.window == window && owner.id == id && window != kNoWindow) return combination;
    }
    return std::nullopt;
}

std::size_t SimHotkeys::RegisteredCount() const {
    std::size_t count = 0;
    for (const auto& entry : owners_) count += entry.second.window != kNoWindow;
    return count;
}

}  // namespace vesk::platform::sim
