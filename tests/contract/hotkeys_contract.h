#pragma once
// What the engine relies on from hotkeys, checked on every implementation.
// An Env, made afresh for each case, provides
//   platform::Hotkeys& hotkeys();
//   platform::WindowHandle first(), second();  // two windows of this program
//   void HoldElsewhere(int modifiers, int virtualKey);  // by another owner
// and gives up every combination the case took.
#include <gtest/gtest.h>

#include "platform/hotkeys.h"

namespace vesk::contract {

template <typename Env>
class HotkeysContract : public ::testing::Test {
protected:
    Env env;
};

TYPED_TEST_SUITE_P(HotkeysContract);

TYPED_TEST_P(HotkeysContract, ACombinationHasOneHolderAtATime) {
    using platform::kModAlt;
    using platform::kModCtrl;
    constexpr int kKey = 0x87;  // VK_F24, which no keyboard has, so nothing else holds it
    constexpr int kBoth = kModCtrl | kModAlt;
    enum Op { Register, Unregister };
    const struct {
        Op op;
        int window;  // 1: first, 2: second
        int id;
        int modifiers;
        bool registers;
        const char* why;
    } steps[] = {
        {Register, 1, 1, kBoth, true, "free"},
        {Register, 1, 2, kBoth, false, "same window, other id"},
        {Register, 2, 1, kBoth, false, "other window"},
        {Register, 1, 3, kModCtrl, false, "held by another owner"},
        {Register, 2, 3, kModAlt, true, "the modifiers tell combinations apart"},
        {Unregister, 2, 1, 0, false, "the second window has no id 1"},
        {Register, 2, 4, kBoth, false, "still held by the first window"},
        {Unregister, 1, 4, 0, false, "the first window has no id 4"},
        {Register, 2, 4, kBoth, false, "still held by the first window"},
        {Unregister, 1, 1, 0, false, "released"},
        {Register, 2, 4, kBoth, true, "free again"},
        {Register, 1, 1, kModAlt, false, "held by the second window's id 3"},
    };
    platform::Hotkeys& hotkeys = this->env.hotkeys();
    this->env.HoldElsewhere(kModCtrl, kKey);
    int index = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(::testing::Message() << "step " << index++ << ": " << step.why);
        const platform::WindowHandle window = step.window == 1 ? this->env.first() : this->env.second();
        if (step.op == Unregister) {
            hotkeys.Unregister(window, step.id);
        } else {
            EXPECT_EQ(hotkeys.Register(window, step.id, step.modifiers, kKey), step.registers);
        }
    }
}

REGISTER_TYPED_TEST_SUITE_P(HotkeysContract, ACombinationHasOneHolderAtATime);

}  // namespace vesk::contract
