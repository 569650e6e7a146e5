#include "desktop_test.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

using PanelTest = DesktopTest;

// Places on the built-in skin's picture.
constexpr POINT kAboutArea{60, 200};
constexpr POINT kDragArea{100, 10};
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

TEST_F(PanelTest, DragAreaMovesTheWindowWithTheMouse) {
    ASSERT_TRUE(Start(0));
    RECT before{};
    GetWindowRect(main_, &before);
    const POINT grab = OnMainWindow(kDragArea.x, kDragArea.y);
    const POINT dropAt{grab.x + 60, grab.y + 14};
    MoveMouseTo(grab);
    PressMouseButton(grab, VK_LBUTTON, true);
    MoveMouseTo({grab.x + 30, grab.y + 7});
    MoveMouseTo(dropAt);
    // The button is held until the window has caught up, as a user's hand
    // would: Wine reports each injected move a second time a little later.
    EXPECT_TRUE(PollUntil(
        [&] {
            RECT after{};
            GetWindowRect(main_, &after);
            return after.left == before.left + 60 && after.top == before.top + 14;
        },
        kActionTimeout))
        << "the window did not follow the mouse";
    PressMouseButton(dropAt, VK_LBUTTON, false);

    // Without a press in the drag area, moving with the button held does not
    // move the window.
    RECT dropped{};
    GetWindowRect(main_, &dropped);
    const POINT outside = OnMainWindow(300, 100);
    const POINT end = OnMainWindow(340, 20);
    MoveMouseTo(outside);
    PressMouseButton(outside, VK_LBUTTON, true);
    MoveMouseTo(OnMainWindow(300, 10));
    MoveMouseTo(end);
    Sleep(500);
    PressMouseButton(end, VK_LBUTTON, false);
    RECT after{};
    GetWindowRect(main_, &after);
    EXPECT_EQ(after.left, dropped.left);
    EXPECT_EQ(after.top, dropped.top);
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
