// Whatever the registry holds under the settings keys: what loads, once
// saved, must load again the same, without writing anything back.
#include <cstdlib>
#include <tuple>

#include "fuzz_inputs.h"

using namespace vesk;

namespace {

bool SameSettings(const engine::TControlDesktop& a, const engine::TControlDesktop& b) {
    const auto common = [](const engine::TControlDesktop& s) {
        return std::tie(s.AutoRun, s.UseControlPassword, s.ExitMainWindow, s.ControlPassword, s.SettingPassword,
                        s.ShowHelp, s.RecordHint, s.ShowIcon, s.ControlHot1, s.ControlHot2, s.Setting1,
                        s.Setting2, s.Record1, s.Record2, s.Play1, s.Play2, s.MaxSize, s.StartWallpaper,
                        s.StartWallStyle);
    };
    const auto desktop = [](const engine::DesktopRecord& d) {
        return std::tie(d.DesktopHot, d.DesktopHotMod, d.ProgWnd, d.TrayWnd, d.Wallpaper, d.TileWall, d.Volume,
                        d.Password, d.Forwhat);
    };
    if (common(a) != common(b)) return false;
    for (int n = 1; n <= engine::kDesktopCount; ++n) {
        if (desktop(a.Desktop(n)) != desktop(b.Desktop(n))) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in({data, size});
    const std::uint8_t flags = in.Byte();
    platform::sim::SimSystem sim;
    sim.files.Put(fuzz::kWallpaperFile);
    fuzz::FillSettingsRegistry(in, sim.registry);
    sim.registry.readOnly = flags & 1;  // a user without rights to the settings
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
