#include "ui/main/crash_restore.h"

#include "platform/win32/windows_api.h"

#include <cstdlib>
#include <exception>

#include "platform/win32/window_handle.h"

namespace vesk::ui {
namespace {

// The system calls the filter without any context, so the state it restores
// from has to be reachable from here.
const engine::TControlDesktop* g_state = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER g_previousFilter = nullptr;
std::terminate_handler g_previousTerminate = nullptr;

// Runs in a process that is already broken: no allocation, no locks, no
// waiting on other programs.
void ShowEveryHiddenWindow() {
    const engine::TControlDesktop* state = g_state;
    if (state == nullptr) return;
    for (const auto& desktop : state->Desktops) {
        for (auto window : desktop.WindowList) {
            const HWND hwnd = platform::win32::ToHwnd(window);
            if (IsWindow(hwnd)) ShowWindowAsync(hwnd, SW_SHOW);
        }
    }
    for (auto shellWindow : {state->TaskbarWindow, state->DesktopIconsWindow}) {
        const HWND hwnd = platform::win32::ToHwnd(shellWindow);
        if (IsWindow(hwnd)) ShowWindowAsync(hwnd, SW_SHOW);
    }
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
    ShowEveryHiddenWindow();
    return g_previousFilter ? g_previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

[[noreturn]] void OnTerminate() {
    ShowEveryHiddenWindow();
    if (g_previousTerminate) g_previousTerminate();
    std::abort();
}

}  // namespace

CrashRestore::CrashRestore(const engine::TControlDesktop& state) {
    g_state = &state;
    g_previousFilter = SetUnhandledExceptionFilter(OnUnhandledException);
    g_previousTerminate = std::set_terminate(OnTerminate);
}

CrashRestore::~CrashRestore() {
    std::set_terminate(g_previousTerminate);
    SetUnhandledExceptionFilter(g_previousFilter);
    g_state = nullptr;
}

}  // namespace vesk::ui
