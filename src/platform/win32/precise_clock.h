#pragma once
#include "platform/win32/windows_api.h"

namespace vesk::platform::win32 {

// Milliseconds from an arbitrary start, to well below a millisecond
// (GetTickCount moves in steps of the system tick, 10-16 ms).
inline double PreciseNowMs() {
    LARGE_INTEGER frequency{}, now{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace vesk::platform::win32
