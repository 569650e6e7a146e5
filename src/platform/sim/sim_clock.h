#pragma once
#include "platform/clock.h"

namespace vesk::platform::sim {

// Stands still until a test moves it.
class SimClock : public Clock {
public:
    std::uint64_t Milliseconds() override { return now; }
    std::uint64_t now = 1'000'000;  // milliseconds
};

}  // namespace vesk::platform::sim
