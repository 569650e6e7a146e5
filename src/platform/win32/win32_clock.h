#pragma once
#include "platform/win32/windows_api.h"

#include "platform/clock.h"

namespace vesk::platform::win32 {

class Win32Clock : public Clock {
public:
    std::uint64_t Milliseconds() override { return GetTickCount64(); }
};

}  // namespace vesk::platform::win32
