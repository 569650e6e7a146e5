#include <gtest/gtest.h>

#include "platform/sim/sim_system.h"

// The engine's tests are only as good as the simulator's fidelity to the
// Windows behaviour they rely on.
namespace vesk::platform::sim {
namespace {

TEST(SimRegistry, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    SimRegistry registry;
    auto key = registry.OpenKey(RegistryRoot::LocalMachine, "SoftWare\\Vesk\\Desktop1", true);
    ASSERT_TRUE(key);
    EXPECT_TRUE(registry.KeyExists(RegistryRoot::LocalMachine, "software\\vesk"));
    key->WriteDword("ForWhat", 1);
    key->WriteDword("Forwhat", 2);
    EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, "SOFTWARE\\VESK\\DESKTOP1", "forwhat")->name, "ForWhat");
    EXPECT_EQ(key->ReadDword("FORWHAT"), 2u);
    EXPECT_EQ(key->ReadString("ForWhat"), std::nullopt) << "wrong type reads as absent";
    EXPECT_FALSE(registry.OpenKey(RegistryRoot::CurrentUser, "SoftWare\\Vesk", false));
}

TEST(SimHotkeys, ACombinationHasOneOwner) {
    SimHotkeys hotkeys;
    hotkeys.HoldByOtherProgram(3, 100);
    EXPECT_FALSE(hotkeys.Register(7, 14, 3, 100));
    EXPECT_TRUE(hotkeys.Register(7, 30, 2, 123));
    EXPECT_FALSE(hotkeys.Register(7, 31, 2, 123)) << "same window, other id";
    hotkeys.Unregister(7, 30);
    EXPECT_TRUE(hotkeys.Register(7, 31, 2, 123));
    hotkeys.Unregister(7, 99);  // harmless
    EXPECT_EQ(hotkeys.RegisteredCount(), 1u);
}

TEST(SimRegions, EvenOddFillLeavesTheInnerPartOfASelfOverlappingStarOut) {
    SimRegions regions;
    // A five-pointed star drawn in one stroke: its centre pentagon is crossed
    // twice and lies outside under the alternate rule.
    const auto star = regions.CreatePolygon({{50, 0}, {80, 100}, {0, 35}, {100, 35}, {20, 100}});
    EXPECT_FALSE(regions.Contains(star, {50, 50}));
    EXPECT_TRUE(regions.Contains(star, {50, 10}));
    EXPECT_FALSE(regions.Contains(star, {5, 95}));
    EXPECT_EQ(regions.CreatePolygon({{0, 0}, {1, 1}}), 0u);
    regions.Destroy(star);
    EXPECT_EQ(regions.LiveCount(), 0u);
}

}  // namespace
}  // namespace vesk::platform::sim
