#pragma once
#include "platform/win32/windows_api.h"

#include <string>
#include <thread>

#include "platform/types.h"
#include "platform/win32/scoped_handles.h"

namespace vesk::test {

// A window class registered for the test's lifetime.
class TestWindowClass {
public:
    explicit TestWindowClass(std::wstring name, WNDPROC procedure = DefWindowProcW);
    ~TestWindowClass();
    TestWindowClass(const TestWindowClass&) = delete;
    TestWindowClass& operator=(const TestWindowClass&) = delete;
    const wchar_t* name() const { return name_.c_str(); }

private:
    std::wstring name_;
};

// A top-level (or, with a parent, child) window of the calling thread,
// destroyed with the object unless already gone.
class TestWindow {
public:
    TestWindow(const TestWindowClass& windowClass, const std::wstring& title, bool visible,
               HWND parent = nullptr);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd() const { return hwnd_; }
    platform::WindowHandle handle() const { return reinterpret_cast<platform::WindowHandle>(hwnd_); }

private:
    HWND hwnd_ = nullptr;
};

// A visible window owned by a second thread. When hung, that thread stops
// handling messages once the window exists, like a program stuck in a long
// computation, until Resume() or a safety limit of kHangLimitMs; otherwise it
// pumps messages all along. The window and thread end with the object.
class WindowThread {
public:
    static constexpr DWORD kHangLimitMs = 10000;
    enum class Mode { Responsive, Hung };

    WindowThread(const TestWindowClass& windowClass, std::wstring title, Mode mode);
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;
    HWND hwnd() const { return hwnd_; }
    platform::WindowHandle handle() const { return reinterpret_cast<platform::WindowHandle>(hwnd_); }
    void Resume() { SetEvent(resume_.get()); }

private:
    void Run(const wchar_t* className, Mode mode);

    std::wstring title_;
    platform::win32::ScopedHandle ready_;
    platform::win32::ScopedHandle resume_;
    platform::win32::ScopedHandle finish_;
    HWND hwnd_ = nullptr;
    std::thread thread_;
};

// Handles every message queued for the calling thread's windows.
void PumpPendingMessages();

// Waits, pumping this thread's messages, until condition() holds or
// timeoutMs passes; returns the last value of condition().
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = 3000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) return false;
        PumpPendingMessages();
        Sleep(10);
    }
    return true;
}

// Milliseconds the call took.
template <typename Call>
ULONGLONG TimeMs(Call call) {
    const ULONGLONG start = GetTickCount64();
    call();
    return GetTickCount64() - start;
}

}  // namespace vesk::test
