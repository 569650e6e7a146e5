// The engine's tests are only as good as the simulator's fidelity to the
// Windows behaviour they rely on: the simulated system passes the same
// contract cases as the real one (tests/win32/platform_contract_test.cpp).
#include <gtest/gtest.h>

#include "files_contract.h"
#include "hotkeys_contract.h"
#include "platform/sim/sim_system.h"
#include "processes_contract.h"
#include "regions_contract.h"
#include "registry_contract.h"
#include "shell_contract.h"
#include "sound_contract.h"
#include "window_manager_contract.h"

namespace vesk::platform::sim {
namespace {

struct SimRegistryEnv {
    SimRegistry sim;
    Registry& registry() { return sim; }
    std::string StoredName(const std::string& path, const std::string& name) {
        const auto value = sim.Get(RegistryRoot::CurrentUser, path, name);
        return value ? value->name : "";
    }
};

struct SimWindowsEnv {
    static constexpr ProcessId kOwnProcess = 4242;
    SimWindows sim;
    WindowManager& windows() { return sim; }
    WindowHandle Create(const std::string& className, const std::string& title, bool visible) {
        return sim.Create(className, title, visible, kOwnProcess);
    }
    void Destroy(WindowHandle window) { sim.Destroy(window); }
    void Minimize(WindowHandle window) { sim.Find(window)->minimized = true; }
    ProcessId OwnProcess() { return kOwnProcess; }
};

struct SimHotkeysEnv {
    SimHotkeys sim;
    Hotkeys& hotkeys() { return sim; }
    WindowHandle first() { return 0x1000; }
    WindowHandle second() { return 0x1004; }
    void HoldElsewhere(int modifiers, int virtualKey) { sim.HoldByOtherProgram(modifiers, virtualKey); }
};

struct SimShellEnv {
    SimShell sim;
    Shell& shell() { return sim; }
    std::string Wallpaper() { return sim.wallpaper; }
    std::string Picture(int n) { return "C:\\windows\\picture " + std::to_string(n) + ".bmp"; }
};

struct SimSoundEnv {
    SimSound sim;
    Sound& sound() { return sim; }
    bool HasDevice() { return true; }
};

struct SimProcessesEnv {
    SimProcessesEnv() { sim.running.push_back({sim.self, 1, "Vesk.exe"}); }
    SimProcesses sim;
    ProcessId lastChild = 5000;
    Processes& processes() { return sim; }
    std::string OwnExeName() { return "vesk.exe"; }
    ProcessId StartChild() {
        sim.running.push_back({++lastChild, sim.self, "Vesk.exe"});
        return lastChild;
    }
    std::optional<unsigned> ExitCodeOf(ProcessId child) {
        const auto it = sim.exitCodes.find(child);
        if (it == sim.exitCodes.end()) return std::nullopt;
        return it->second;
    }
};

struct SimFilesEnv {
    SimFiles sim;
    Files& files() { return sim; }
    std::string In(const std::string& name) { return "C:\\contract\\" + name; }
};

struct SimRegionsEnv {
    SimRegions sim;
    Regions& regions() { return sim; }
    bool IsLive(Regions::Handle region) { return sim.IsLive(region); }
};

// A standard user under HKEY_LOCAL_MACHINE, as Win32Registry meets it: a
// denied key and everything below it reads when it exists, but nothing there
// is created, written or removed; other keys and roots are not affected.
TEST(SimRegistry, DeniedKeysReadButRefuseEveryChange) {
    constexpr auto kMachine = RegistryRoot::LocalMachine;
    SimRegistry sim;
    sim.SetDword(kMachine, "Software\\Vesk\\Common", "AutoRun", 1);
    sim.DenyKey(kMachine, "SOFTWARE");
    auto common = sim.OpenKey(kMachine, "Software\\Vesk\\Common", true);
    ASSERT_NE(common, nullptr);
    EXPECT_EQ(common->ReadDword("AutoRun"), 1u);
    EXPECT_FALSE(common->WriteDword("AutoRun", 0));
    EXPECT_EQ(sim.OpenKey(kMachine, "Software\\Vesk\\Desktop1", true), nullptr);
    EXPECT_FALSE(sim.DeleteKey(kMachine, "Software\\Vesk\\Common"));
    EXPECT_NE(sim.OpenKey(kMachine, "System\\Elsewhere", true), nullptr);
    EXPECT_NE(sim.OpenKey(RegistryRoot::CurrentUser, "Software\\Vesk\\Common", true), nullptr);

    sim.AllowAllKeys();
    EXPECT_TRUE(common->WriteDword("AutoRun", 0));
}

// The Windows directory for a standard user: its files read, nothing goes in.
TEST(SimFiles, DeniedFoldersReadButTakeNoNewFile) {
    SimFiles sim;
    sim.Put("C:\\windows\\old.bmp", {1});
    sim.Put("D:\\sea.bmp", {2});
    sim.DenyFolder("C:\\Windows");
    EXPECT_EQ(sim.ReadAll("C:\\windows\\old.bmp"), std::vector<std::uint8_t>{1});
    EXPECT_FALSE(sim.Copy("D:\\sea.bmp", "C:\\windows\\sea.bmp", true));
    EXPECT_FALSE(sim.WriteAll("C:\\windows\\web\\sea.bmp", {2})) << "below it too";
    EXPECT_EQ(sim.Create("C:\\windows\\sea.bmp"), nullptr);
    EXPECT_FALSE(sim.Delete("C:\\windows\\old.bmp"));
    EXPECT_FALSE(sim.MakeDirectory("C:\\windows\\Vesk"));
    EXPECT_FALSE(sim.Exists("C:\\windows\\sea.bmp"));
    EXPECT_TRUE(sim.Copy("D:\\sea.bmp", "C:\\windowsfolder\\sea.bmp", true)) << "a mere prefix";
}

using namespace vesk::contract;
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, RegistryContract, SimRegistryEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, WindowManagerContract, SimWindowsEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, HotkeysContract, SimHotkeysEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, ShellContract, SimShellEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, SoundContract, SimSoundEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, ProcessesContract, SimProcessesEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, FilesContract, SimFilesEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, RegionsContract, SimRegionsEnv);

}  // namespace
}  // namespace vesk::platform::sim
