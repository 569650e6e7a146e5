#include <algorithm>

#include "fresh_defaults.h"
#include "poll.h"
#include "vesk_test.h"

namespace vesk::e2e {
namespace {

using StartTest = VeskTest;

TEST_F(StartTest, WritesEveryDefaultOnAFreshMachine) {
    const VeskProcess vesk;
    ASSERT_TRUE(vesk.started()) << vesk.startError();
    const auto expected = FreshStartValues();

    ASSERT_TRUE(PollUntil([&] { return AllPresent(expected); }, kStartTimeout))
        << "the settings were not all written within the start timeout";
    for (const auto& value : expected) EXPECT_TRUE(Stored(value));
    EXPECT_TRUE(vesk.IsRunning());
}

// The registry matches value names without case but keeps the spelling a
// value was created with.
TEST_F(StartTest, CreatesTheDesktopEventValueAsForWhat) {
    const VeskProcess vesk;
    ASSERT_TRUE(vesk.started()) << vesk.startError();
    ASSERT_TRUE(PollUntil([] { return HasValue(DesktopKey(9), L"ForWhat"); }, kStartTimeout));

    for (int n = 1; n <= 9; ++n) {
        const auto names = ValueNames(DesktopKey(n));
        const auto stored = std::find_if(names.begin(), names.end(), [](const std::wstring& name) {
            return CompareStringOrdinal(name.c_str(), -1, L"forwhat", -1, TRUE) == CSTR_EQUAL;
        });
        ASSERT_NE(stored, names.end()) << "Desktop" << n;
        EXPECT_EQ(*stored, L"ForWhat") << "Desktop" << n;
    }
}

// A value of another type reads as missing, so its default is written over it.
TEST_F(StartTest, ReplacesValuesOfTheWrongTypeWithTheirDefaults) {
    WriteString(kCommonKey, L"ControlHot2", L"121");
    WriteDword(kCommonKey, L"SettingPassword", 5);
    WriteString(DesktopKey(4), L"TileWall", L"2");
    WriteDword(DesktopKey(4), L"Wallpaper", 7);

    const VeskProcess vesk;
    ASSERT_TRUE(vesk.started()) << vesk.startError();
    const auto isDword = [](const std::wstring& key, const wchar_t* name) {
        const auto value = ReadValue(key, name);
        return value && value->type == REG_DWORD;
    };
    const auto isString = [](const std::wstring& key, const wchar_t* name) {
        const auto value = ReadValue(key, name);
        return value && value->type == REG_SZ;
    };
    ASSERT_TRUE(PollUntil(
        [&] {
            return isDword(kCommonKey, L"ControlHot2") && isString(kCommonKey, L"SettingPassword") &&
                   isDword(DesktopKey(4), L"TileWall") && isString(DesktopKey(4), L"Wallpaper");
        },
        kStartTimeout))
        << "a value of the wrong type was left in place";

    EXPECT_TRUE(StoredDword(kCommonKey, L"ControlHot2", 121));
    EXPECT_TRUE(StoredString(kCommonKey, L"SettingPassword", L""));
    EXPECT_TRUE(StoredDword(DesktopKey(4), L"TileWall", 0));
    EXPECT_TRUE(StoredString(DesktopKey(4), L"Wallpaper", L""));
}

}  // namespace
}  // namespace vesk::e2e
