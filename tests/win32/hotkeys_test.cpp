#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_system.h"
#include "test_windows.h"

namespace vesk::test {
namespace {

using platform::kModAlt;
using platform::kModCtrl;

// An unlikely combination, so no other program holds it.
constexpr int kKey = VK_F24;
constexpr int kMods = kModCtrl | kModAlt;

class HotkeysTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (int id = 1; id <= 3; ++id) {
            UnregisterHotKey(first.hwnd(), id);
            UnregisterHotKey(second.hwnd(), id);
        }
    }

    platform::win32::Win32System system;
    platform::Hotkeys& hotkeys = system.services().hotkeys;
    TestWindowClass windowClass{L"VeskHotkeysTest"};
    TestWindow first{windowClass, L"first", false};
    TestWindow second{windowClass, L"second", false};
};

TEST_F(HotkeysTest, CombinationIsHeldByOneRegistrationAtATime) {
    ASSERT_TRUE(hotkeys.Register(first.handle(), 1, kMods, kKey));
    EXPECT_FALSE(hotkeys.Register(first.handle(), 2, kMods, kKey)) << "same window, other id";
    EXPECT_FALSE(hotkeys.Register(second.handle(), 1, kMods, kKey)) << "other window";

    hotkeys.Unregister(first.handle(), 1);
    EXPECT_TRUE(hotkeys.Register(first.handle(), 2, kMods, kKey));
}

TEST_F(HotkeysTest, ModifiersAreForwarded) {
    // If the modifier bits were dropped or remapped, these would collide.
    EXPECT_TRUE(hotkeys.Register(first.handle(), 1, kModCtrl, kKey));
    EXPECT_TRUE(hotkeys.Register(first.handle(), 2, kModAlt, kKey));
    EXPECT_TRUE(hotkeys.Register(first.handle(), 3, kModCtrl | kModAlt, kKey));
    EXPECT_FALSE(hotkeys.Register(second.handle(), 1, kModAlt, kKey));
}

}  // namespace
}  // namespace vesk::test
