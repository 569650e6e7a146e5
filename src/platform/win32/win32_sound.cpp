#include "platform/win32/win32_sound.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/late_calls.h"

namespace vesk::platform::win32 {
namespace {

HWAVEOUT FirstDevice() { return reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(0)); }

}  // namespace

std::optional<std::uint32_t> Win32Sound::GetVolume() {
    DWORD volume = 0;
    if (late::waveOutGetVolume(FirstDevice(), &volume) != MMSYSERR_NOERROR) return std::nullopt;
    return volume;
}

bool Win32Sound::SetVolume(std::uint32_t volume) {
    return late::waveOutSetVolume(FirstDevice(), volume) == MMSYSERR_NOERROR;
}

}  // namespace vesk::platform::win32
