// A switch should cost the platform calls it makes and little else: compare
// SwitchDesktop with a bare loop making the same calls, at several sizes.
#include <benchmark/benchmark.h>

#include "engine/desktop_switch.h"
#include "engine/registry_names.h"
#include "engine/window_requests.h"
#include "platform/sim/sim_system.h"
#include "silent_ui.h"

namespace {

using namespace vesk;
using engine::WindowHandle;

// Desktop 1 holds n visible windows, desktop 2 n hidden ones.
struct TwoDesktops {
    explicit TwoDesktops(int n) {
        for (const char* key : {engine::reg::kDesktopWallpaperKey, engine::reg::kIeWallpaperKey}) {
            sim.registry.CreateKey(platform::RegistryRoot::CurrentUser, key);
        }
        for (int i = 0; i < n; ++i) sim.windows.Create("Editor", "file " + std::to_string(i), true, 1000 + i);
        for (int i = 0; i < n; ++i) {
            state.Desktop(2).WindowList.push_back(sim.windows.Create("Browser", "page", false, 5000 + i));
        }
        engine::CollectDesktopWindows(state, sim.windows, 1);
    }
    platform::sim::SimSystem sim;
    platform::Services services = sim.services();
    engine::TControlDesktop state;
    bench::OkPrompt prompt;
    bench::NoView view;
    engine::HiddenWindowJournal journal{sim.registry, sim.windows};
    engine::DesktopContext context{state, services, prompt, view, journal};
    // The journal records of the desktop left: the bare loop writes a value
    // of the same size.
    std::string journalBytes = std::string(state.Desktop(1).WindowList.size() * engine::HiddenWindowJournal::kRecordBytes, 'x');
};

void BM_SwitchDesktop(benchmark::State& s) {
    TwoDesktops d(static_cast<int>(s.range(0)));
    // A user's switches come seconds apart: each one finds the requests of
    // the one before settled.
    for (auto _ : s) {
        d.sim.clock.now += engine::kLateChangeMs;
        engine::SwitchDesktop(d.context, 2);
        d.sim.clock.now += engine::kLateChangeMs;
        engine::SwitchDesktop(d.context, 1);
    }
    s.SetComplexityN(s.range(0));
}
BENCHMARK(BM_SwitchDesktop)->RangeMultiplier(10)->Range(10, 10000)->Complexity(benchmark::oN);

// The platform calls of a round trip, with none of the engine's bookkeeping.
// Made through the platform interfaces, as the engine makes them.
void BareRoundTripLeg(TwoDesktops& d, const std::vector<WindowHandle>& leave, const std::vector<WindowHandle>& enter) {
    platform::WindowManager& w = d.services.windows;
    platform::Registry& reg = d.services.registry;
    benchmark::DoNotOptimize(w.Foreground());
    for (auto h : w.EnumTopLevel()) benchmark::DoNotOptimize(w.IsVisible(h));
    for (auto h : leave) benchmark::DoNotOptimize(w.IsVisible(h));
    for (auto h : leave) {
        benchmark::DoNotOptimize(w.OwnerProcess(h));
        benchmark::DoNotOptimize(w.ClassName(h));
    }
    reg.OpenKey(platform::RegistryRoot::CurrentUser, engine::reg::kRecoveryKey, true)
        ->WriteBinary("HiddenWindows1", d.journalBytes);
    for (auto h : leave) w.Hide(h);
    d.services.sound.SetVolume(0xC4C4C4C4);
    for (auto h : enter) {
        if (w.Exists(h)) w.Show(h);
    }
    reg.OpenKey(platform::RegistryRoot::CurrentUser, engine::reg::kRecoveryKey, true)->WriteBinary("HiddenWindows2", "");
    w.SetForeground(0);
    for (const char* key : {engine::reg::kDesktopWallpaperKey, engine::reg::kIeWallpaperKey}) {
        auto k = reg.OpenKey(platform::RegistryRoot::CurrentUser, key, false);
        k->WriteString("WallPaper", "");
        k->WriteString("TileWallpaper", "0");
        k->WriteString("WallpaperStyle", "0");
    }
    d.services.shell.SetDeskWallpaper(std::nullopt);
    d.sim.shell.wallpaperCalls.clear();
}

void BM_BarePlatformCalls(benchmark::State& s) {
    TwoDesktops d(static_cast<int>(s.range(0)));
    const auto one = d.state.Desktop(1).WindowList;
    const auto two = d.state.Desktop(2).WindowList;
    for (auto _ : s) {
        BareRoundTripLeg(d, one, two);
        BareRoundTripLeg(d, two, one);
    }
    s.SetComplexityN(s.range(0));
}
BENCHMARK(BM_BarePlatformCalls)->RangeMultiplier(10)->Range(10, 10000)->Complexity(benchmark::oN);

}  // namespace
