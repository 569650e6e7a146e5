#include "ui/main/main_window.h"

namespace vesk::ui {

namespace {

constexpr const wchar_t* kClassName = L"VeskMainWindow";
constexpr const wchar_t* kTitle = L"Vesk1.2";
constexpr int kIconId = 1;

App& AppOf(HWND window) {
    return *reinterpret_cast<App*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_CREATE:
        return AppOf(window).Start(window) ? 0 : -1;
    case WM_CLOSE:
        AppOf(window).Finish();
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

RegisteredWindowClass RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = MainWindowProc;
    description.hInstance = instance;
    description.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
    description.lpszClassName = kClassName;
    return RegisteredWindowClass{description};
}

HWND CreateMainWindow(const RegisteredWindowClass& windowClass, HINSTANCE instance, App& app) {
    return CreateWindowExW(0, windowClass.name(), kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                           &app);
}

}  // namespace vesk::ui
