#include "fresh_defaults.h"
#include "poll.h"
#include "vesk_test.h"

namespace vesk::e2e {
namespace {

using SingleInstanceTest = VeskTest;

TEST_F(SingleInstanceTest, SecondCopyLeavesAtOnceWithoutTouchingAnything) {
    const VeskProcess first;
    ASSERT_TRUE(first.started()) << first.startError();
    ASSERT_NE(first.WaitForMainWindow(kStartTimeout), nullptr);
    ASSERT_TRUE(PollUntil([] { return AllPresent(FreshStartValues()); }, kStartTimeout));
    // Whatever the second copy writes would show up in a tree gone missing.
    ForgetProgramSettings();

    const VeskProcess second;
    ASSERT_TRUE(second.started()) << second.startError();
    bool secondHadWindow = false;
    PollUntil(
        [&] {
            secondHadWindow = secondHadWindow || !second.TopLevelWindows().empty();
            return !second.IsRunning();
        },
        std::chrono::seconds(10));

    EXPECT_EQ(second.WaitForExit(std::chrono::milliseconds(0)), std::optional<DWORD>(0));
    EXPECT_FALSE(secondHadWindow);
    EXPECT_TRUE(ValueNames(kCommonKey).empty()) << "the second copy loaded the settings";
    EXPECT_TRUE(first.IsRunning());
    EXPECT_NE(first.WaitForMainWindow(std::chrono::milliseconds(0)), nullptr);
}

}  // namespace
}  // namespace vesk::e2e
