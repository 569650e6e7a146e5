// A program that is slow to answer: its window spends 300 ms on every
// message, as a program deep in work between two looks at its queue does.
// Vesk shows and hides other programs' windows with ShowWindowAsync, and
// under Wine such a window changes only when its thread comes to the queued
// request, long after the switch that asked for it. Ends on WM_CLOSE; the
// end-to-end tests end it by its process handle instead, since a close would
// wait out every message queued before it.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"VeskBusyWindow";
constexpr wchar_t kTitle[] = L"Vesk busy window";
constexpr DWORD kBusyMs = 300;
// Low on the left: clear of the stand-in windows along the top of the screen
// and of Vesk's centred main window, so that no click of a test lands on it.
constexpr int kLeft = 10, kTop = 540, kWidth = 220, kHeight = 140;  // pixels

LRESULT CALLBACK BusyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Sleep(kBusyMs);
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BusyWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return 1;
    if (!CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, kLeft, kTop, kWidth, kHeight,
                         nullptr, nullptr, instance, nullptr)) {
        return 2;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
