#pragma once
#include <windows.h>

#include <optional>

#include "stand_in_windows.h"
#include "vesk_test.h"

namespace vesk::e2e {

inline constexpr std::chrono::milliseconds kActionTimeout{10000};
// The tray icon's callback to the main window; lParam is the mouse message.
inline constexpr UINT kTrayIconMessage = WM_USER + 1;

// Vesk running on a desktop with stand-in windows, driven as a user drives
// it: hotkeys, clicks on its main window, answers to its prompts.
class DesktopTest : public VeskTest {
protected:
    void SetUp() override;
    // Whatever a failed test left behind, the shell's windows are shown
    // again for the next one.
    void TearDown() override;

    // Puts `windowCount` stand-in windows on the screen and starts Vesk;
    // returns once its main window is visible (false when it never was).
    bool Start(int windowCount);
    // Starts Vesk again over the stand-in windows there are (ending a copy
    // still running, as a kill would).
    bool StartVesk();
    // The prompt of Vesk (its question and message box), other than
    // `besides` (an earlier prompt still open); nullptr when none opens in
    // time.
    HWND WaitForPrompt(HWND besides = nullptr) const;
    // A visible window of Vesk's process of that class.
    HWND WaitForDialog(const wchar_t* className, std::chrono::milliseconds timeout = kActionTimeout) const;
    // Types into the prompt's focused field and presses Enter there.
    static void AnswerWithText(HWND prompt, const std::wstring& text);
    // Brings the window to the front and presses the key there.
    static void AnswerWith(HWND prompt, WORD key);
    // Closes the main window, confirms "Really to Exit?" and waits for the
    // process to end; false when it did not end with exit code 0.
    bool ExitVesk();
    // A point of the main window's picture, in screen pixels.
    POINT OnMainWindow(int x, int y) const;
    const std::vector<HWND>& windows() const { return windows_->windows(); }

    std::optional<StandInWindows> windows_;
    std::optional<VeskProcess> vesk_;
    HWND main_ = nullptr;
};

bool WaitUntilHidden(HWND window);
bool WaitUntilVisible(HWND window);

}  // namespace vesk::e2e
