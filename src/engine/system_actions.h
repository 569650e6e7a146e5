#pragma once
#include <string>

#include "engine/control_desktop.h"
#include "engine/prompt.h"
#include "platform/power.h"

namespace vesk::engine {

// "Win32s", "Windows 9X", "Windows NT", "Windows None", or empty when the
// version query failed.
std::string DetectOs(platform::Power& power);

// Shuts down or reboots, after the control password when it is asked for and
// after gaining the shutdown privilege on the NT family.
void ExitSystem(const TControlDesktop& state, platform::Power& power, Prompt& prompt,
                platform::ExitMode mode);

// Hibernate, then suspend, each first politely and then forced; stops at the
// first call that succeeds.
void SleepSystem(platform::Power& power);

}  // namespace vesk::engine
