#include "platform/win32/win32_system.h"

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_hotkeys.h"
#include "platform/win32/win32_input_hooks.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_regions.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_window_manager.h"

namespace vesk::platform::win32 {

struct Win32System::Impl {
    Win32Registry registry;
    Win32WindowManager windows;
    Win32Hotkeys hotkeys;
    Win32Shell shell;
    Win32Sound sound;
    Win32Processes processes;
    Win32Power power;
    Win32Files files;
    Win32Regions regions;
    Win32InputHooks hooks;
    Win32Clock clock;
    Services services{registry, windows, hotkeys, shell, sound,
                      processes, power, files, regions, hooks, clock};
};

Win32System::Win32System() : impl_(std::make_unique<Impl>()) {}

Win32System::~Win32System() = default;

Services& Win32System::services() { return impl_->services; }

}  // namespace vesk::platform::win32
