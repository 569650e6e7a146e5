#include "platform/win32/chunked_io.h"

#include <algorithm>

namespace vesk::platform::win32 {
namespace {

constexpr std::size_t kChunk = 1u << 20;  // bytes

}  // namespace

ChunkedRead ReadChunked(HANDLE file, std::span<std::uint8_t> into) {
    ChunkedRead result;
    while (result.bytes < into.size()) {
        const DWORD wanted = static_cast<DWORD>(std::min(into.size() - result.bytes, kChunk));
        DWORD got = 0;
        if (!ReadFile(file, into.data() + result.bytes, wanted, &got, nullptr)) {
            result.ok = false;
            break;
        }
        if (got == 0) break;
        result.bytes += got;
    }
    return result;
}

bool WriteChunked(HANDLE file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0) return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

}  // namespace vesk::platform::win32
