#pragma once
#include <optional>
#include <utility>

#include "platform/win32/scoped_handles.h"

namespace vesk::ui {

// The named mutex that marks a running copy of the program. Holding it keeps
// the name alive; it is never owned past creation.
class InstanceMarker {
public:
    // nullopt when another copy already holds the name: the caller must then
    // end without showing anything.
    static std::optional<InstanceMarker> Claim();

private:
    explicit InstanceMarker(platform::win32::ScopedHandle mutex) : mutex_(std::move(mutex)) {}
    platform::win32::ScopedHandle mutex_;
};

}  // namespace vesk::ui
