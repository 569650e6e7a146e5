#include "desktop_test.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

using PanelTest = DesktopTest;

// Places on the built-in skin's picture. Dragging is left to the unit tests
// of the panel: under Wine, injected buttons never reach X, and X's late
// reports of the pointer come with the buttons released and pressed again
// where the pointer was before, which moves a dragged window twice.
constexpr POINT kAboutArea{60, 200};
constexpr POINT kMinimizeButton{490, 14};

TEST_F(PanelTest, AboutAreaOpensTheAboutWindowOnALeftClickOnly) {
    ASSERT_TRUE(Start(0));
    ClickAt(OnMainWindow(kAboutArea.x, kAboutArea.y), VK_RBUTTON);
    EXPECT_EQ(WaitForDialog(L"TAboutFrm", std::chrono::milliseconds(1500)), nullptr) << "a right click opened About";

    ClickAt(OnMainWindow(kAboutArea.x, kAboutArea.y));
    const HWND about = WaitForDialog(L"TAboutFrm");
    ASSERT_NE(about, nullptr) << "a left click in the About area opened nothing";
    AnswerWith(about, VK_ESCAPE);
    ASSERT_TRUE(WaitUntilHidden(about));
    EXPECT_TRUE(ExitVesk());
}

TEST_F(PanelTest, MinimizeButtonHidesTheWindowUntilItsHotkey) {
    ASSERT_TRUE(Start(0));
    ClickAt(OnMainWindow(kMinimizeButton.x, kMinimizeButton.y));
    ASSERT_TRUE(WaitUntilHidden(main_));
    PressKey(VK_F10, {VK_CONTROL});
    EXPECT_TRUE(WaitUntilVisible(main_));
    EXPECT_TRUE(ExitVesk());
}

}  // namespace
}  // namespace vesk::e2e
