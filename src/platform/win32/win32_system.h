#pragma once
#include <memory>

#include "platform/services.h"

namespace vesk::platform::win32 {

// The real system: every platform service implemented over the Win32 API.
class Win32System {
public:
    Win32System();
    ~Win32System();
    Win32System(const Win32System&) = delete;
    Win32System& operator=(const Win32System&) = delete;

    Services& services();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vesk::platform::win32
