#pragma once
#include <cstdint>

namespace vesk::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes back.
    virtual std::uint64_t Milliseconds() = 0;
};

}  // namespace vesk::platform
