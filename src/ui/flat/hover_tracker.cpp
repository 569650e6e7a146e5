#include "ui/flat/hover_tracker.h"

#include <string>

#include "ui/flat/guarded_call.h"

namespace vesk::ui::flat {

namespace {

// The watcher of a kind is a message-only window holding the timer and, in
// its user data, the control under the pointer. It exists only while a
// control of its kind is under the pointer, so no state outlives a hover.
constexpr const wchar_t* kWatcherClass = L"VeskFlatHoverWatcher";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerMs = 100;

std::wstring WatcherName(const wchar_t* kind) {
    return std::wstring(kind) + L':' + std::to_wstring(GetCurrentThreadId());
}

HWND Watched(HWND watcher) { return reinterpret_cast<HWND>(GetWindowLongPtrW(watcher, GWLP_USERDATA)); }

void Watch(HWND watcher, HWND control) {
    SetWindowLongPtrW(watcher, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
}

bool PointerIsOver(HWND control) {
    POINT pointer{};
    if (!GetCursorPos(&pointer) || !IsWindowVisible(control)) return false;
    const HWND under = WindowFromPoint(pointer);
    return under == control || IsChild(control, under);
}

void EndWatch(HWND watcher) {
    const HWND control = Watched(watcher);
    Watch(watcher, nullptr);
    KillTimer(watcher, kTimerId);
    DestroyWindow(watcher);
    if (IsWindow(control)) SendMessageW(control, kHoverChanged, FALSE, 0);
}

// A message-only window: the report has no owner to sit over.
LRESULT CALLBACK WatcherProc(HWND watcher, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCall(nullptr, LRESULT{0}, [&] {
        if (message == WM_TIMER && wParam == kTimerId) {
            if (!PointerIsOver(Watched(watcher))) EndWatch(watcher);
            return LRESULT{0};
        }
        return DefWindowProcW(watcher, message, wParam, lParam);
    });
}

HWND FindWatcher(const wchar_t* kind) {
    return FindWindowExW(HWND_MESSAGE, nullptr, kWatcherClass, WatcherName(kind).c_str());
}

HWND CreateWatcher(const wchar_t* kind) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = WatcherProc;
    description.hInstance = instance;
    description.lpszClassName = kWatcherClass;
    RegisterClassExW(&description);  // fails harmlessly once registered
    return CreateWindowExW(0, kWatcherClass, WatcherName(kind).c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                           nullptr, instance, nullptr);
}

}  // namespace

void NoteMouseOver(HWND control, const wchar_t* kind) {
    HWND watcher = FindWatcher(kind);
    if (watcher && Watched(watcher) == control) return;
    if (watcher) {
        const HWND previous = Watched(watcher);
        if (IsWindow(previous)) SendMessageW(previous, kHoverChanged, FALSE, 0);
    } else {
        watcher = CreateWatcher(kind);
        if (!watcher) return;
        SetTimer(watcher, kTimerId, kTimerMs, nullptr);
    }
    Watch(watcher, control);
    SendMessageW(control, kHoverChanged, TRUE, 0);
}

void ForgetHover(HWND control, const wchar_t* kind) {
    const HWND watcher = FindWatcher(kind);
    if (!watcher || Watched(watcher) != control) return;
    Watch(watcher, nullptr);
    KillTimer(watcher, kTimerId);
    DestroyWindow(watcher);
}

}  // namespace vesk::ui::flat
