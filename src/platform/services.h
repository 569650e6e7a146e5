#pragma once
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/hotkeys.h"
#include "platform/input_hooks.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/regions.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/window_manager.h"

namespace vesk::platform {

// Everything the core may ask of the system, handed to it as one bundle.
struct Services {
    Registry& registry;
    WindowManager& windows;
    Hotkeys& hotkeys;
    Shell& shell;
    Sound& sound;
    Processes& processes;
    Power& power;
    Files& files;
    Regions& regions;
    InputHooks& hooks;
    Clock& clock;
};

}  // namespace vesk::platform
