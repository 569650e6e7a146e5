#pragma once
#include "platform/types.h"

namespace vesk::platform {

// Modifier bits as the window manager defines them.
inline constexpr int kModAlt = 1;
inline constexpr int kModCtrl = 2;

class Hotkeys {
public:
    virtual ~Hotkeys() = default;
    // false when the combination is already held, by another program or by
    // another id of the same window.
    virtual bool Register(WindowHandle window, int id, int modifiers, int virtualKey) = 0;
    virtual void Unregister(WindowHandle window, int id) = 0;
};

}  // namespace vesk::platform
