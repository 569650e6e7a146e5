#include "ui/main/single_instance.h"

namespace vesk::ui {

namespace {
constexpr const wchar_t* kMutexName = L"Vesk By Tamsel";
}

std::optional<InstanceMarker> InstanceMarker::Claim() {
    using platform::win32::ScopedHandle;
    if (ScopedHandle existing{OpenMutexW(MUTEX_ALL_ACCESS, TRUE, kMutexName)}) return std::nullopt;

    ScopedHandle mutex{CreateMutexW(nullptr, TRUE, kMutexName)};
    if (mutex) ReleaseMutex(mutex.get());
    return InstanceMarker{std::move(mutex)};
}

}  // namespace vesk::ui
