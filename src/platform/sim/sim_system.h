#pragma once
#include "platform/services.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_hooks.h"
#include "platform/sim/sim_hotkeys.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_processes.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_regions.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_sound.h"
#include "platform/sim/sim_windows.h"

namespace vesk::platform::sim {

// A whole simulated Windows for the native tests; every part is public so a
// test can arrange and inspect it.
struct SimSystem {
    SimRegistry registry;
    SimWindows windows;
    SimHotkeys hotkeys;
    SimShell shell;
    SimSound sound;
    SimProcesses processes;
    SimPower power;
    SimFiles files;
    SimRegions regions;
    SimHooks hooks;
    SimClock clock;

    Services services() {
        return {registry, windows, hotkeys, shell, sound, processes, power, files, regions, hooks, clock};
    }
};

}  // namespace vesk::platform::sim
