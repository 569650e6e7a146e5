// An earlier run's journal as a crash may have left it, with a few windows
// about: restoring shows only hidden windows that a record names with their
// own process, each once, and leaves the journal empty.
#include <cstdlib>
#include <cstring>

#include "engine/hidden_windows.h"
#include "fuzz_inputs.h"

using namespace vesk;

namespace {

constexpr auto HKCU = platform::RegistryRoot::CurrentUser;

std::string ValueName(int desktop) { return engine::reg::kHiddenWindowsValue + std::to_string(desktop); }

// Read here byte by byte rather than through the journal's own decoding.
bool Named(const std::vector<std::string>& values, platform::WindowHandle window, platform::ProcessId process) {
    for (const std::string& records : values) {
        for (std::size_t at = 0; at + 16 <= records.size(); at += 16) {
            std::uint32_t handle, owner;
            std::memcpy(&handle, records.data() + at, 4);
            std::memcpy(&owner, records.data() + at + 8, 4);
            if (handle == std::uint32_t(window) && owner == process) return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::sim::SimSystem sim;
    const auto windows = fuzz::AddJournalWindows(sim.windows);
    fuzz::ByteReader in({data, size});
    fuzz::FillJournalRegistry(in, sim.registry);
    const bool stored = sim.registry.KeyExists(HKCU, engine::reg::kRecoveryKey);
    std::vector<std::string> values;
    for (int d = 1; d <= engine::kDesktopCount; ++d) {
        auto v = sim.registry.Get(HKCU, engine::reg::kRecoveryKey, ValueName(d));
        if (v && v->type == platform::sim::ValueType::Binary) values.push_back(v->text);
    }
    std::vector<bool> visibleBefore;
    for (auto w : windows) visibleBefore.push_back(sim.windows.IsVisible(w));

    engine::HiddenWindowJournal journal(sim.registry, sim.windows);
    const int shown = journal.RestoreEarlierRun();

    int nowVisible = 0;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const bool visible = sim.windows.IsVisible(windows[i]);
        if (visibleBefore[i] && !visible) std::abort();
        if (visibleBefore[i] || !visible) continue;
        if (!Named(values, windows[i], sim.windows.OwnerProcess(windows[i]))) std::abort();
        ++nowVisible;
    }
    if (shown != nowVisible || shown != sim.windows.showCalls || sim.windows.hideCalls != 0) std::abort();

    // Nothing is owed any more: every value is there and empty, or, without
    // an earlier journal, none was written.
    if (sim.registry.KeyExists(HKCU, engine::reg::kRecoveryKey) != stored) std::abort();
    for (int d = 1; stored && d <= engine::kDesktopCount; ++d) {
        auto v = sim.registry.Get(HKCU, engine::reg::kRecoveryKey, ValueName(d));
        if (!v || v->type != platform::sim::ValueType::Binary || !v->text.empty()) std::abort();
    }
    return 0;
}
