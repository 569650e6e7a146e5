#pragma once
// The wave-out volume, checked on every implementation. An Env, made afresh
// for each case, provides
//   platform::Sound& sound();
//   bool HasDevice();  // whether the system has a wave-out device
// and gives the device its own volume back afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "platform/sound.h"

namespace vesk::contract {

template <typename Env>
class SoundContract : public ::testing::Test {
protected:
    Env env;
};

TYPED_TEST_SUITE_P(SoundContract);

TYPED_TEST_P(SoundContract, SetVolumeChangesWhatGetVolumeReads) {
    platform::Sound& sound = this->env.sound();
    if (!this->env.HasDevice()) {
        EXPECT_EQ(sound.GetVolume(), std::nullopt);
        EXPECT_FALSE(sound.SetVolume(0x80008000u));
        GTEST_SKIP() << "no wave-out device: only its absence could be checked";
    }
    const std::optional<std::uint32_t> original = sound.GetVolume();
    ASSERT_TRUE(original.has_value());
    // Far from the current level on both channels; a driver may round the
    // level to its own steps, hence the tolerance.
    const std::uint32_t level = (*original & 0xFFFF) < 0x8000 ? 0xC000 : 0x3000;
    ASSERT_TRUE(sound.SetVolume(level | level << 16));
    const std::optional<std::uint32_t> now = sound.GetVolume();
    ASSERT_TRUE(now.has_value());
    for (const int shift : {0, 16}) {
        const int channel = static_cast<int>(*now >> shift & 0xFFFF);
        EXPECT_NEAR(channel, static_cast<int>(level), 0x400) << "channel at bit " << shift;
    }
}

REGISTER_TYPED_TEST_SUITE_P(SoundContract, SetVolumeChangesWhatGetVolumeReads);

}  // namespace vesk::contract
