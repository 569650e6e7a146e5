#pragma once
#include <chrono>

#include <gtest/gtest.h>

#include "settings_registry.h"
#include "vesk_process.h"

namespace vesk::e2e {

// Wine needs seconds to start a process on a loaded machine.
inline constexpr std::chrono::milliseconds kStartTimeout{20000};
inline constexpr std::chrono::milliseconds kExitTimeout{20000};

// Every test starts from a machine that has never run the program and leaves
// it that way.
class VeskTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetProgramSettings(); }
    void TearDown() override { ForgetProgramSettings(); }
};

}  // namespace vesk::e2e
