#pragma once
#include <windows.h>

#include <thread>
#include <vector>

namespace vesk::e2e {

// Top-level windows that Vesk treats as other programs' windows, and a
// stand-in for the shell's desktop-icon window (class "Progman"), which
// Wine's shell lacks. They live on a thread of their own that keeps pumping
// messages, since Vesk shows and hides windows asynchronously: a window
// changes only when its thread handles the request.
class StandInWindows {
public:
    // The first window carries a text field over its whole client area.
    explicit StandInWindows(int count);
    ~StandInWindows();
    StandInWindows(const StandInWindows&) = delete;
    StandInWindows& operator=(const StandInWindows&) = delete;

    const std::vector<HWND>& windows() const { return windows_; }
    HWND desktopIcons() const { return desktopIcons_; }
    HWND textField() const { return textField_; }
    // Makes one of them the foreground window, as a click on it would.
    void Activate(HWND window) const;
    // Keeps their thread away from its queue for a while, as a program busy
    // between two looks at its queue: a show or hide asked of its windows
    // meanwhile lands only afterwards. Returns once the pause has begun.
    void Stall(DWORD milliseconds) const;

private:
    void Serve(int count, HANDLE ready);

    std::vector<HWND> windows_;
    HWND desktopIcons_ = nullptr;
    HWND iconsOwner_ = nullptr;
    HWND textField_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};

bool AllVisible(const std::vector<HWND>& windows);
bool NoneVisible(const std::vector<HWND>& windows);

}  // namespace vesk::e2e
