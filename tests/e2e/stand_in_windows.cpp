#include "stand_in_windows.h"

#include <string>

#include "user_input.h"

namespace vesk::e2e {
namespace {

constexpr const wchar_t* kWindowClass = L"VeskE2eWindow";
constexpr const wchar_t* kDesktopIconsClass = L"Progman";
// Posted to the windows' thread: wParam is the pause in milliseconds, lParam
// the event set as it begins.
constexpr UINT kStallMessage = WM_APP + 1;
constexpr int kLeft = 10, kTop = 10, kStep = 250, kWidth = 240, kHeight = 160;  // pixels

void RegisterClassOnce(const wchar_t* name) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = DefWindowProcW;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    description.lpszClassName = name;
    RegisterClassExW(&description);  // fails harmlessly when already registered
}

}  // namespace

StandInWindows::StandInWindows(int count) {
    const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, count, ready] { Serve(count, ready); });
    WaitForSingleObject(ready, 10000);
    CloseHandle(ready);
}

StandInWindows::~StandInWindows() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void StandInWindows::Serve(int count, HANDLE ready) {
    threadId_ = GetCurrentThreadId();
    RegisterClassOnce(kWindowClass);
    RegisterClassOnce(kDesktopIconsClass);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Behind everything, like the real desktop-icon window, and owned by a
    // hidden window so that Wine's taskbar shows no button for it.
    iconsOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    desktopIcons_ = CreateWindowExW(WS_EX_TOOLWINDOW, kDesktopIconsClass, L"Program Manager", WS_POPUP | WS_VISIBLE,
                                    0, 0, 1, 1, iconsOwner_, nullptr, instance, nullptr);
    SetWindowPos(desktopIcons_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Side by side along the top of the screen, clear of each other and of
    // Vesk's centred main window, so a click reaches each of them.
    for (int k = 0; k < count; ++k) {
        const std::wstring title = L"Vesk e2e window " + std::to_wstring(k + 1);
        windows_.push_back(CreateWindowExW(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                           kLeft + k * kStep, kTop, kWidth, kHeight, nullptr, nullptr, instance,
                                           nullptr));
    }
    if (!windows_.empty()) {
        RECT client{};
        GetClientRect(windows_.front(), &client);
        textField_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, client.right,
                                     client.bottom, windows_.front(), nullptr, instance, nullptr);
    }
    // The message queue exists once a window does: the quit message can come.
    SetEvent(ready);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kStallMessage) {
            SetEvent(reinterpret_cast<HANDLE>(message.lParam));
            Sleep(static_cast<DWORD>(message.wParam));
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    for (HWND window : windows_) DestroyWindow(window);
    DestroyWindow(desktopIcons_);
    DestroyWindow(iconsOwner_);
}

// Another thread's SetForegroundWindow is ignored under Wine; a click is
// not, though now and then one is lost on its way through X, so it is
// repeated until the window has the focus.
void StandInWindows::Activate(HWND window) const {
    RECT client{};
    GetClientRect(window, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ClientToScreen(window, &middle);
    for (int attempt = 0; attempt < 3 && GetForegroundWindow() != window; ++attempt) {
        ClickAt(middle);
        WaitForFocus(window);
    }
}

void StandInWindows::Stall(DWORD milliseconds) const {
    const HANDLE begun = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (PostThreadMessageW(threadId_, kStallMessage, milliseconds, reinterpret_cast<LPARAM>(begun)))
        WaitForSingleObject(begun, 5000);
    CloseHandle(begun);
}

bool AllVisible(const std::vector<HWND>& windows) {
    for (HWND window : windows)
        if (!IsWindowVisible(window)) return false;
    return true;
}

bool NoneVisible(const std::vector<HWND>& windows) {
    for (HWND window : windows)
        if (IsWindowVisible(window)) return false;
    return true;
}

}  // namespace vesk::e2e
