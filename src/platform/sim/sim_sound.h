#pragma once
#include <optional>

#include "platform/sound.h"

namespace vesk::platform::sim {

// One wave-out device; a volume of nullopt means the machine has none.
class SimSound : public Sound {
public:
    std::optional<std::uint32_t> GetVolume() override { return volume; }
    bool SetVolume(std::uint32_t value) override {
        if (!volume) return false;
        volume = value;
        return true;
    }

    std::optional<std::uint32_t> volume = 0xFFFFFFFF;
};

}  // namespace vesk::platform::sim
