#include "platform/win32/win32_window_manager.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <iterator>

#include "platform/win32/utf.h"
#include "platform/win32/window_handle.h"

namespace vesk::platform::win32 {
namespace {

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM context) {
    reinterpret_cast<std::vector<WindowHandle>*>(context)->push_back(FromHwnd(hwnd));
    return TRUE;
}

bool OwnedByThisThread(HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId();
}

// ShowWindow on another thread's window waits until that thread handles the
// request; under Wine a hung owner stalled it for over a second. The async
// form only queues the request. On our own thread ShowWindow runs at once and
// the new state is visible to the next call.
void ShowOrHideOf(HWND hwnd, int command, bool thisThreads) {
    if (thisThreads) {
        ShowWindow(hwnd, command);
    } else {
        ShowWindowAsync(hwnd, command);
    }
}

// The owning thread's id is 0 for a handle that names no window, which
// answers IsWindow in the same call (under Wine each is a round trip to the
// server).
void ShowOrHide(HWND hwnd, int command) {
    const DWORD owner = GetWindowThreadProcessId(hwnd, nullptr);
    if (owner != 0) ShowOrHideOf(hwnd, command, owner == GetCurrentThreadId());
}

// ShowOrHide for a whole list, with this thread's windows asked for once
// instead of each window's thread: a switch under Wine then costs one round
// trip to the server fewer per window. A handle that names no window is
// refused by ShowWindowAsync.
void ShowOrHideEach(const std::vector<WindowHandle>& list, int command) {
    if (list.empty()) return;
    std::vector<WindowHandle> own;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&own));
    std::sort(own.begin(), own.end());
    for (auto w : list) ShowOrHideOf(ToHwnd(w), command, std::binary_search(own.begin(), own.end(), w));
}

}  // namespace

std::vector<WindowHandle> Win32WindowManager::EnumTopLevel() {
    std::vector<WindowHandle> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool Win32WindowManager::Exists(WindowHandle window) { return IsWindow(ToHwnd(window)) != FALSE; }

// A top-level window's parent is the desktop, always visible, so its own
// WS_VISIBLE answers what IsWindowVisible would; under Wine that costs one
// round trip to the server for another process's window instead of two (the
// style, then the chain of parents).
bool Win32WindowManager::IsVisible(WindowHandle window) {
    return (GetWindowLongW(ToHwnd(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

// Shown without activation: activating each window of a desktop in turn
// costs a third more under Wine, flickers through N activations and reorders
// the windows; the switch brings the remembered window to the front once.
void Win32WindowManager::Show(WindowHandle window) { ShowOrHide(ToHwnd(window), SW_SHOWNA); }

void Win32WindowManager::Hide(WindowHandle window) { ShowOrHide(ToHwnd(window), SW_HIDE); }

void Win32WindowManager::ShowEach(const std::vector<WindowHandle>& list) { ShowOrHideEach(list, SW_SHOWNA); }

void Win32WindowManager::HideEach(const std::vector<WindowHandle>& list) { ShowOrHideEach(list, SW_HIDE); }

WindowHandle Win32WindowManager::Foreground() { return FromHwnd(GetForegroundWindow()); }

void Win32WindowManager::SetForeground(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    if (IsWindow(hwnd)) SetForegroundWindow(hwnd);
}

WindowHandle Win32WindowManager::FindByClass(const std::string& className) {
    return FromHwnd(FindWindowW(Widen(className).c_str(), nullptr));
}

WindowHandle Win32WindowManager::FindByTitle(const std::string& title) {
    return FromHwnd(FindWindowW(nullptr, Widen(title).c_str()));
}

void Win32WindowManager::PostClose(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    if (IsWindow(hwnd)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

bool Win32WindowManager::IsMinimized(WindowHandle window) {
    return IsIconic(ToHwnd(window)) != FALSE;
}

void Win32WindowManager::Restore(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    if (!IsWindow(hwnd)) return;
    if (OwnedByThisThread(hwnd)) {
        OpenIcon(hwnd);
    } else {
        ShowWindowAsync(hwnd, SW_RESTORE);
    }
}

std::string Win32WindowManager::ClassName(WindowHandle window) {
    // Class names are at most 256 characters.
    wchar_t name[257] = {};
    const int length = GetClassNameW(ToHwnd(window), name, static_cast<int>(std::size(name)));
    return length > 0 ? Narrow(std::wstring_view(name, static_cast<std::size_t>(length))) : "";
}

// GetWindowTextW sends WM_GETTEXT to windows of other threads of this process
// and can wait forever on a hung one. InternalGetWindowText copies the caption
// the system stores (the same text FindWindowW compares) without any message.
std::string Win32WindowManager::Title(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    constexpr int kLongestTitle = 1 << 20;  // characters
    std::wstring text(256, L'\0');
    while (true) {
        const int capacity = static_cast<int>(text.size());
        const int copied = InternalGetWindowText(hwnd, text.data(), capacity);
        if (copied <= 0) return {};
        // A full buffer may mean the caption was cut short; try a bigger one.
        if (copied < capacity - 1 || capacity >= kLongestTitle) {
            text.resize(static_cast<std::size_t>(copied));
            return Narrow(text);
        }
        text.assign(text.size() * 2, L'\0');
    }
}

ProcessId Win32WindowManager::OwnerProcess(WindowHandle window) {
    DWORD process = 0;
    if (GetWindowThreadProcessId(ToHwnd(window), &process) == 0) return 0;
    return process;
}

}  // namespace vesk::platform::win32
