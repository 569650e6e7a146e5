#include "test_windows.h"

#include <stdexcept>

namespace vesk::test {

TestWindowClass::TestWindowClass(std::wstring name, WNDPROC procedure) : name_(std::move(name)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name_.c_str();
    if (!RegisterClassExW(&windowClass)) throw std::runtime_error("RegisterClassExW failed");
}

TestWindowClass::~TestWindowClass() { UnregisterClassW(name_.c_str(), GetModuleHandleW(nullptr)); }

TestWindow::TestWindow(const TestWindowClass& windowClass, const std::wstring& title,
                       bool visible, HWND parent) {
    const DWORD style = (parent ? WS_CHILD : WS_OVERLAPPEDWINDOW) | (visible ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExW(0, windowClass.name(), title.c_str(), style, 10, 10, 200, 100, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw std::runtime_error("CreateWindowExW failed");
}

TestWindow::~TestWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

WindowThread::WindowThread(const TestWindowClass& windowClass, std::wstring title, Mode mode)
    : title_(std::move(title)),
      ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      resume_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      finish_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this, className = windowClass.name(), mode] { Run(className, mode); });
    WaitForSingleObject(ready_.get(), INFINITE);
    if (!hwnd_) {
        thread_.join();
        throw std::runtime_error("the window thread could not create its window");
    }
}

WindowThread::~WindowThread() {
    SetEvent(resume_.get());
    SetEvent(finish_.get());
    thread_.join();
}

void WindowThread::Run(const wchar_t* className, Mode mode) {
    hwnd_ = CreateWindowExW(0, className, title_.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                            200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND window = hwnd_;
    if (window) PumpPendingMessages();  // settle creation before going quiet
    SetEvent(ready_.get());
    if (!window) return;
    if (mode == Mode::Hung) WaitForSingleObject(resume_.get(), kHangLimitMs);
    const HANDLE finish = finish_.get();
    while (MsgWaitForMultipleObjects(1, &finish, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        PumpPendingMessages();
    }
    DestroyWindow(window);
}

void PumpPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace vesk::test
