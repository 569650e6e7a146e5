#include "desktop_test.h"

#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

// Where Vesk keeps the windows it hid, so that a later start can give them
// back after a crash; tests start without one.
constexpr const wchar_t* kRecoveryKey = L"Software\\Vesk";

constexpr const wchar_t* kPromptClass = L"TPassFrm";

}  // namespace

void DesktopTest::SetUp() {
    VeskTest::SetUp();
    RegDeleteTreeW(HKEY_CURRENT_USER, kRecoveryKey);
    // No tips window at start.
    WriteDword(kCommonKey, L"ShowHelp", 0);
}

void DesktopTest::TearDown() {
    vesk_.reset();
    windows_.reset();
    if (const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) ShowWindow(taskbar, SW_SHOW);
    RegDeleteTreeW(HKEY_CURRENT_USER, kRecoveryKey);
    VeskTest::TearDown();
}

bool DesktopTest::Start(int windowCount) {
    windows_.emplace(windowCount);
    return StartVesk();
}

bool DesktopTest::StartVesk() {
    vesk_.emplace();
    if (!vesk_->started()) return false;
    main_ = vesk_->WaitForMainWindow(kStartTimeout);
    if (main_ == nullptr || !PollUntil([&] { return IsWindowVisible(main_) != FALSE; }, kStartTimeout)) return false;
    WaitForFocus(main_);
    return true;
}

HWND DesktopTest::WaitForPrompt(HWND besides) const {
    return vesk_->WaitForWindow(
        [&](HWND window) { return window != besides && IsWindowVisible(window) && ClassOf(window) == kPromptClass; },
        kActionTimeout);
}

HWND DesktopTest::WaitForDialog(const wchar_t* className, std::chrono::milliseconds timeout) const {
    return vesk_->WaitForWindow(
        [&](HWND window) { return IsWindowVisible(window) && ClassOf(window) == className; }, timeout);
}

void DesktopTest::AnswerWithText(HWND prompt, const std::wstring& text) {
    SetForegroundWindow(prompt);
    WaitForFocus(prompt);
    TypeText(text);
    PressKey(VK_RETURN);
}

void DesktopTest::AnswerWith(HWND prompt, WORD key) {
    SetForegroundWindow(prompt);
    WaitForFocus(prompt);
    PressKey(key);
}

bool DesktopTest::ExitVesk() {
    if (!PostMessageW(main_, WM_CLOSE, 0, 0)) return false;
    const HWND prompt = WaitForPrompt();
    if (prompt == nullptr) return false;
    AnswerWith(prompt, VK_RETURN);
    return vesk_->WaitForExit(kExitTimeout) == std::optional<DWORD>(0);
}

POINT DesktopTest::OnMainWindow(int x, int y) const {
    RECT at{};
    GetWindowRect(main_, &at);
    return {at.left + x, at.top + y};
}

bool WaitUntilHidden(HWND window) {
    return PollUntil([&] { return !IsWindowVisible(window); }, kActionTimeout);
}

bool WaitUntilVisible(HWND window) {
    return PollUntil([&] { return IsWindowVisible(window) != FALSE; }, kActionTimeout);
}

}  // namespace vesk::e2e
