// Whatever the registry holds under the settings keys: what loads, once
// saved, must load again the same, without writing anything back.
#include <cstdlib>

#include "fuzz_inputs.h"

using namespace vesk;

namespace {

bool SameSettings(const engine::TControlDesktop& a, const engine::TControlDesktop& b) {
    return a.Stored() == b.Stored() && a.StartWallpaper == b.StartWallpaper && a.StartWallStyle == b.StartWallStyle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in({data, size});
    const std::uint8_t flags = in.Byte();
    platform::sim::SimSystem sim;
    sim.files.Put(fuzz::kWallpaperFile);
    fuzz::FillSettingsRegistry(in, sim.registry);
    sim.registry.readOnly = flags & 1;  // a user without rights to any key
    // A standard user: the machine's settings read, the user's copy takes the save.
    if (flags & 2) sim.registry.DenyKey(platform::RegistryRoot::LocalMachine, "Software");
    platform::Services services = sim.services();
    const std::string exe = sim.files.ExecutablePath();

    engine::TControlDesktop first, second;
    engine::LoadSettings(first, services);
    engine::SaveSettings(first, sim.registry, exe);
    const int writes = sim.registry.writeCount;
    engine::LoadSettings(second, services);
    if (!SameSettings(first, second)) std::abort();
    // Saved settings read back as stored: none is missing or of another
    // type, so loading has no default to write.
    if (sim.registry.writeCount != writes) std::abort();
    return 0;
}
