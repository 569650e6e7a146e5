#include "desktop_test.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

using PasswordTest = DesktopTest;

constexpr WORD kMainWindowKey = VK_F10;  // with Ctrl: shows or hides the main window

TEST_F(PasswordTest, DesktopPasswordIsAskedOnEntryAndAWrongOneKeepsTheDesktop) {
    WriteString(DesktopKey(3), L"Password", L"pw");
    WriteDword(DesktopKey(3), L"Forwhat", 1);
    ASSERT_TRUE(Start(2));

    PressKey(VK_NUMPAD3, {VK_CONTROL});
    const HWND prompt = WaitForPrompt();
    ASSERT_NE(prompt, nullptr) << "entering desktop 3 asked no password";
    AnswerWithText(prompt, L"wrong");
    const HWND refusal = WaitForPrompt(prompt);
    ASSERT_NE(refusal, nullptr) << "a wrong password was not refused";
    AnswerWith(refusal, VK_RETURN);
    ASSERT_TRUE(WaitUntilHidden(refusal));
    AnswerWith(prompt, VK_ESCAPE);
    ASSERT_TRUE(WaitUntilHidden(prompt));
    Sleep(500);
    EXPECT_TRUE(AllVisible(windows())) << "desktop 1 was left although the password was refused";

    PressKey(VK_NUMPAD3, {VK_CONTROL});
    const HWND again = WaitForPrompt();
    ASSERT_NE(again, nullptr);
    AnswerWithText(again, L"pw");
    EXPECT_TRUE(PollUntil([&] { return NoneVisible(windows()); }, kActionTimeout))
        << "the right password did not enter desktop 3";

    EXPECT_TRUE(ExitVesk());
}

TEST_F(PasswordTest, ADesktopKeyPressedWhileThePasswordIsAskedWaitsForIt) {
    WriteString(DesktopKey(3), L"Password", L"pw");
    WriteDword(DesktopKey(3), L"Forwhat", 1);
    ASSERT_TRUE(Start(2));
    const HWND onTwo = windows()[0];
    const HWND onOne = windows()[1];
    windows_->Activate(onTwo);
    PressKey(VK_NUMPAD2, {VK_CONTROL, VK_MENU});
    ASSERT_TRUE(WaitUntilHidden(onTwo)) << "the move hotkey did not put the window on desktop 2";

    PressKey(VK_NUMPAD3, {VK_CONTROL});
    const HWND prompt = WaitForPrompt();
    ASSERT_NE(prompt, nullptr);
    PressKey(VK_NUMPAD2, {VK_CONTROL});
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(prompt)) << "a switch started inside the prompt and hid it";
    EXPECT_TRUE(IsWindowVisible(onOne)) << "desktop 1 was left before the password was given";
    AnswerWithText(prompt, L"pw");
    EXPECT_TRUE(WaitUntilVisible(onTwo)) << "the desktop key pressed during the prompt was lost";
    EXPECT_TRUE(WaitUntilHidden(onOne));

    EXPECT_TRUE(ExitVesk());
}

TEST_F(PasswordTest, RefusedMainPasswordAtStartEndsTheProgram) {
    WriteString(kCommonKey, L"ControlPassword", L"x");
    windows_.emplace(1);
    vesk_.emplace();
    ASSERT_TRUE(vesk_->started());

    const HWND prompt = WaitForPrompt();
    ASSERT_NE(prompt, nullptr) << "no main password was asked at start";
    AnswerWith(prompt, VK_ESCAPE);

    EXPECT_EQ(vesk_->WaitForExit(kExitTimeout), std::optional<DWORD>(0));
    EXPECT_TRUE(AllVisible(windows()));
    EXPECT_TRUE(StoredString(kCommonKey, L"ControlPassword", L"x")) << "the settings were not written at exit";
}

TEST_F(PasswordTest, RefusedMainPasswordOnALaterShowGivesEveryWindowBack) {
    WriteString(kCommonKey, L"ControlPassword", L"x");
    windows_.emplace(2);
    vesk_.emplace();
    const HWND first = WaitForPrompt();
    ASSERT_NE(first, nullptr);
    AnswerWithText(first, L"x");
    main_ = vesk_->WaitForMainWindow(kStartTimeout);
    ASSERT_TRUE(main_ != nullptr && WaitUntilVisible(main_)) << "the right main password did not show the window";
    WaitForFocus(main_);

    PressKey(VK_NUMPAD2, {VK_CONTROL});
    ASSERT_TRUE(PollUntil([&] { return NoneVisible(windows()); }, kActionTimeout));
    PressKey(kMainWindowKey, {VK_CONTROL});
    ASSERT_TRUE(WaitUntilHidden(main_));

    // A left press on the tray icon shows the window, which asks again.
    PostMessageW(main_, kTrayIconMessage, 0, WM_LBUTTONDOWN);
    const HWND second = WaitForPrompt();
    ASSERT_NE(second, nullptr) << "showing the window asked no main password";
    AnswerWith(second, VK_ESCAPE);

    EXPECT_EQ(vesk_->WaitForExit(kExitTimeout), std::optional<DWORD>(0));
    EXPECT_TRUE(PollUntil([&] { return AllVisible(windows()); }, kActionTimeout))
        << "desktop 1's windows stayed hidden after the program ended";
}

}  // namespace
}  // namespace vesk::e2e
