#pragma once
#include "platform/sound.h"

namespace vesk::platform::win32 {

// The volume of wave-out device 0, passed where a device handle is expected,
// as waveOutGetVolume allows.
class Win32Sound final : public Sound {
public:
    std::optional<std::uint32_t> GetVolume() override;
    bool SetVolume(std::uint32_t volume) override;
};

}  // namespace vesk::platform::win32
