#pragma once
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <span>

namespace vesk::platform::win32 {

// ReadFile and WriteFile take a DWORD count, and very large single requests
// fail on some systems with ERROR_NO_SYSTEM_RESOURCES: files are moved in
// requests of at most a megabyte.

struct ChunkedRead {
    std::size_t bytes = 0;  // fewer than asked at the end of the file
    bool ok = true;         // false on a read error
};
// Fills `into` from the file's current position.
ChunkedRead ReadChunked(HANDLE file, std::span<std::uint8_t> into);

// Writes every byte; false when one request fails or writes nothing.
bool WriteChunked(HANDLE file, std::span<const std::uint8_t> bytes);

}  // namespace vesk::platform::win32
