#pragma once
#include "engine/control_desktop.h"

namespace vesk::engine {

// Closes the hotkey gate for the length of a command, so a hotkey that
// arrives meanwhile is dropped; reopened on every way out.
class GateClosed {
public:
    explicit GateClosed(TControlDesktop& state) : state_(state) { state_.HotkeyGate = false; }
    ~GateClosed() { state_.HotkeyGate = true; }
    GateClosed(const GateClosed&) = delete;
    GateClosed& operator=(const GateClosed&) = delete;

private:
    TControlDesktop& state_;
};

}  // namespace vesk::engine
