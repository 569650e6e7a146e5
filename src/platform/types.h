#pragma once
#include <cstdint>

namespace vesk::platform {

// Opaque top-level window handle; 0 means "no window". The win32 layer stores
// an HWND here, the simulator its own counters, so engine logic and tests can
// use fake handles.
using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle kNoWindow = 0;

using ProcessId = std::uint32_t;

}  // namespace vesk::platform
