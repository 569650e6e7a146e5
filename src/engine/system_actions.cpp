#include "engine/system_actions.h"

namespace vesk::engine {

std::string DetectOs(platform::Power& power) {
    const auto platformId = power.VersionPlatformId();
    if (!platformId) return {};
    switch (*platformId) {
        case 0: return "Win32s";
        case 1: return "Windows 9X";
        case 2: return "Windows NT";
        default: return "Windows None";
    }
}

void ExitSystem(const TControlDesktop& state, platform::Power& power, Prompt& prompt,
                platform::ExitMode mode) {
    // Asked even when the password is empty: the question doubles as the
    // last chance to change one's mind.
    if (state.UseControlPassword &&
        prompt.Ask("Enter Password", true, state.ControlPassword) != PromptResult::Ok) {
        return;
    }
    // Only the NT family guards shutdown behind a privilege.
    if (state.OsName.starts_with("Windows NT") && !power.EnableShutdownPrivilege()) return;
    power.ExitWindows(mode);
}

void SleepSystem(platform::Power& power) {
    for (bool suspend : {false, true}) {
        for (bool force : {false, true}) {
            if (power.SetSystemPowerState(suspend, force)) return;
        }
    }
}

}  // namespace vesk::engine
