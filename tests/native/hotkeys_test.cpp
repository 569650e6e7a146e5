#include <gtest/gtest.h>

#include "engine/hotkeys.h"
#include "platform/sim/sim_hotkeys.h"

namespace vesk::engine {
namespace {

using platform::sim::SimHotkeys;
constexpr WindowHandle kMain = 0x500;

class HotkeyRegistration : public ::testing::Test {
protected:
    HotkeyRegistration() {
        for (int n = 1; n <= 9; ++n) state.Desktop(n).DesktopHot = 96 + n;
    }
    bool Register() { return RegisterHotkeys(state, hotkeys, kMain); }
    std::array<bool, 5> Flags() const { return state.HotkeyConflicts; }
    TControlDesktop state;
    SimHotkeys hotkeys;
};

TEST_F(HotkeyRegistration, AllFreeRegistersThirtyOneIds) {
    EXPECT_TRUE(Register());
    EXPECT_EQ(state.ConflictText, "");
    EXPECT_EQ(Flags(), (std::array<bool, 5>{}));
    EXPECT_EQ(hotkeys.RegisteredCount(), 31u);
    EXPECT_EQ(hotkeys.CombinationOf(kMain, 4), std::make_pair(2, 100));
    EXPECT_EQ(hotkeys.CombinationOf(kMain, 14), std::make_pair(3, 100));
    EXPECT_EQ(hotkeys.CombinationOf(kMain, 24), std::make_pair(1, 100));
    EXPECT_EQ(hotkeys.CombinationOf(kMain, 10), std::make_pair(2, 121));
    EXPECT_EQ(hotkeys.CombinationOf(kMain, 31), std::make_pair(3, 123));
    UnregisterHotkeys(hotkeys, kMain);
    EXPECT_EQ(hotkeys.RegisteredCount(), 0u);
}

TEST_F(HotkeyRegistration, ADesktopKeyHeldElsewhereGivesOneLineAndKeepsTheRest) {
    hotkeys.HoldByOtherProgram(3, 100);  // Ctrl+Alt+NUMPAD4
    EXPECT_FALSE(Register());
    EXPECT_EQ(state.ConflictText, "Enter Desktop 4 HotKey Conflict\r\n");
    EXPECT_EQ(Flags(), (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_TRUE(hotkeys.CombinationOf(kMain, 4)) << "enter still works";
    EXPECT_TRUE(hotkeys.CombinationOf(kMain, 24)) << "copy still works";
    EXPECT_FALSE(hotkeys.CombinationOf(kMain, 14));
}

TEST_F(HotkeyRegistration, EqualRecordAndPlayKeysReportPlay) {
    state.Play1 = 2;
    state.Play2 = 123;
    EXPECT_FALSE(Register());
    EXPECT_EQ(state.ConflictText, "Play HotKey Conflict\r\n");
    EXPECT_EQ(Flags(), (std::array<bool, 5>{false, false, false, false, true}));
    EXPECT_TRUE(hotkeys.CombinationOf(kMain, 30)) << "recording keeps its key";
}

TEST_F(HotkeyRegistration, EveryGroupFlagsOnlyItself) {
    hotkeys.HoldByOtherProgram(2, 121);
    hotkeys.HoldByOtherProgram(2, 122);
    hotkeys.HoldByOtherProgram(2, 123);
    EXPECT_FALSE(Register());
    EXPECT_EQ(state.ConflictText,
              "Main Window HotKey Conflict\r\nSetting Window HotKey Conflict\r\nRecord HotKey Conflict\r\n");
    EXPECT_EQ(Flags(), (std::array<bool, 5>{false, true, true, true, false}));
}

TEST(HotkeyLists, DesktopListHas44EntriesThatMapBothWays) {
    const auto list = DesktopHotkeyList();
    ASSERT_EQ(list.size(), 44u);
    EXPECT_EQ(list[0], "Ctrl+A");
    EXPECT_EQ(list[25], "Ctrl+Z");
    EXPECT_EQ(list[26], "Ctrl+NUMPAD1");
    EXPECT_EQ(list[34], "Ctrl+NUMPAD9");
    EXPECT_EQ(list[35], "Ctrl+F1");
    EXPECT_EQ(list[43], "Ctrl+F9");
    for (int i = 0; i < 44; ++i) EXPECT_EQ(DesktopKeyIndex(DesktopKeyAt(i)), i);
    EXPECT_EQ(DesktopKeyAt(26), 97);
    EXPECT_EQ(DesktopKeyAt(35), 112);
}

TEST(HotkeyLists, CommandListsPairCtrlThenCtrlAlt) {
    const auto main = CommandHotkeyList(MainWindowKeys(), true);
    ASSERT_EQ(main.size(), 10u);
    EXPECT_EQ(main[0], "Ctrl+F10");
    EXPECT_EQ(main[4], "Ctrl+0");
    EXPECT_EQ(main[6], "Ctrl+Alt+Inert");
    EXPECT_EQ(main[9], "Ctrl+Alt+0");
    const auto record = CommandHotkeyList(RecordPlayKeys(), false);
    EXPECT_EQ(record[5], "Ctrl+Alt+F12");
    EXPECT_EQ(CommandHotkeyList(SettingsKeys(), false)[6], "Ctrl+Alt+Scroll");
    EXPECT_EQ(CommandHotkeyAt(MainWindowKeys(), 4), (HotkeyCode{2, 96}));
    EXPECT_EQ(CommandHotkeyIndex(RecordPlayKeys(), {3, 107}), 9);
    EXPECT_EQ(CommandHotkeyIndex(RecordPlayKeys(), {1, 107}), -1);
    EXPECT_EQ(HotkeyText({3, 123}, RecordPlayKeys()), "Ctrl+Alt+F12");
}

}  // namespace
}  // namespace vesk::engine
