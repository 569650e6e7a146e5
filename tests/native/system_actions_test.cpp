#include <gtest/gtest.h>

#include "engine/registry_names.h"
#include "engine/system_actions.h"
#include "fake_prompt.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_system.h"

namespace vesk::engine {
namespace {

using platform::ExitMode;
using platform::sim::SimPower;
using testing::FakePrompt;
using Calls = std::vector<std::string>;

TEST(DetectOs, NamesThePlatformFamily) {
    SimPower power;
    const std::pair<std::optional<std::uint32_t>, const char*> cases[] = {
        {0, "Win32s"}, {1, "Windows 9X"}, {2, "Windows NT"}, {3, "Windows None"}, {std::nullopt, ""}};
    for (const auto& [id, name] : cases) {
        power.platformId = id;
        EXPECT_EQ(DetectOs(power), name);
    }
}

class ExitSystemTest : public ::testing::Test {
protected:
    ExitSystemTest() { state.OsName = "Windows NT"; }
    TControlDesktop state;
    SimPower power;
    FakePrompt prompt;
};

TEST_F(ExitSystemTest, AsksThePasswordEvenWhenItIsEmpty) {
    ExitSystem(state, power, prompt, ExitMode::Shutdown);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].message, "Enter Password");
    EXPECT_TRUE(prompt.asked[0].withPasswordField);
    EXPECT_EQ(prompt.asked[0].expectedPassword, "");
    EXPECT_EQ(power.calls, (Calls{"EnableShutdownPrivilege", "ExitWindows 1"}));
}

TEST_F(ExitSystemTest, RefusedPasswordDoesNothing) {
    state.ControlPassword = "secret";
    prompt.answers = {PromptResult::Cancel};
    ExitSystem(state, power, prompt, ExitMode::Reboot);
    EXPECT_EQ(prompt.asked[0].expectedPassword, "secret");
    EXPECT_TRUE(power.calls.empty());
}

TEST_F(ExitSystemTest, WithoutThePasswordSettingNoQuestionIsAsked) {
    state.UseControlPassword = false;
    state.ControlPassword = "secret";
    ExitSystem(state, power, prompt, ExitMode::Reboot);
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(power.calls, (Calls{"EnableShutdownPrivilege", "ExitWindows 2"}));
}

TEST_F(ExitSystemTest, PrivilegeStepOnlyOnTheNtFamily) {
    for (const char* os : {"Windows 9X", "Win32s", "Windows None", ""}) {
        state.OsName = os;
        power.calls.clear();
        ExitSystem(state, power, prompt, ExitMode::Shutdown);
        EXPECT_EQ(power.calls, (Calls{"ExitWindows 1"})) << os;
    }
}

TEST_F(ExitSystemTest, PrivilegeNotGrantedStopsBeforeShutdown) {
    power.privilegeGranted = false;
    ExitSystem(state, power, prompt, ExitMode::Shutdown);
    EXPECT_EQ(power.calls, (Calls{"EnableShutdownPrivilege"}));
}

TEST(SleepSystem, TriesHibernateThenSuspendAndStopsAtTheFirstSuccess) {
    SimPower power;
    power.workingPowerStates = {{true, false}, {true, true}};
    SleepSystem(power);
    EXPECT_EQ(power.calls, (Calls{"SetSystemPowerState 0 0", "SetSystemPowerState 0 1",
                                  "SetSystemPowerState 1 0"}));

    power.calls.clear();
    power.workingPowerStates = {};
    SleepSystem(power);
    EXPECT_EQ(power.calls.size(), 4u) << "all four tried, failures ignored";
    EXPECT_EQ(power.calls.back(), "SetSystemPowerState 1 1");
}

// Autostart is written with the settings at exit: into the machine's Run key,
// or where a standard user may not, into the user's; never both, or the
// program would be started twice.
TEST(AutoRun, GoesToTheUsersRunKeyWhereTheMachinesRefusesAndNeverToBoth) {
    using platform::RegistryRoot;
    using Value = std::optional<std::string>;
    const std::string exe = "C:\\Vesk\\Vesk.exe";
    const struct {
        const char* name;
        bool machineKey;  // the machine's Run key exists
        bool denied;      // and may not be written
        Value machineBefore, userBefore;
        bool autoRun;
        Value machineAfter, userAfter;
    } rows[] = {
        {"with the rights", true, false, "", std::nullopt, true, exe, std::nullopt},
        {"with the rights, the user's value is emptied", true, false, "", exe, true, exe, ""},
        {"without them", true, true, std::nullopt, std::nullopt, true, std::nullopt, exe},
        {"without them, turned off", true, true, "", exe, false, "", ""},
        {"without them, the machine's value starts it already", true, true, "C:\\Old\\Vesk.exe", std::nullopt,
         true, "C:\\Old\\Vesk.exe", ""},
        {"no machine Run key", false, false, std::nullopt, std::nullopt, true, std::nullopt, exe},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform::sim::SimSystem sim;
        const auto value = [&](RegistryRoot root) -> Value {
            const auto stored = sim.registry.Get(root, reg::kRunKey, reg::kRunValue);
            return stored ? Value(stored->text) : std::nullopt;
        };
        const auto put = [&](RegistryRoot root, const Value& before) {
            if (before) sim.registry.SetString(root, reg::kRunKey, reg::kRunValue, *before);
        };
        if (row.machineKey) sim.registry.CreateKey(RegistryRoot::LocalMachine, reg::kRunKey);
        put(RegistryRoot::LocalMachine, row.machineBefore);
        put(RegistryRoot::CurrentUser, row.userBefore);
        if (row.denied) sim.registry.DenyKey(RegistryRoot::LocalMachine, "Software");
        TControlDesktop state;
        state.AutoRun = row.autoRun;
        SaveSettings(state, sim.registry, exe);
        EXPECT_EQ(value(RegistryRoot::LocalMachine), row.machineAfter);
        EXPECT_EQ(value(RegistryRoot::CurrentUser), row.userAfter);
    }
}

}  // namespace
}  // namespace vesk::engine
