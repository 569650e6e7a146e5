#pragma once
#include <cstdint>
#include <optional>

namespace vesk::platform {

// Volume of the first wave-out device: low 16 bits left channel, high 16 bits
// right channel.
class Sound {
public:
    virtual ~Sound() = default;
    virtual std::optional<std::uint32_t> GetVolume() = 0;  // nullopt: no device
    virtual bool SetVolume(std::uint32_t volume) = 0;
};

}  // namespace vesk::platform
