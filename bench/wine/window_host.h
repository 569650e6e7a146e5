#pragma once
#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

#include "platform/win32/scoped_handles.h"

namespace vesk::bench {

// The child's side: shows `count` top-level windows on one thread, signals
// readyEvent, and handles their messages until quitEvent is set. Returns the
// process exit code.
int RunWindowHost(int count, const std::wstring& readyEvent, const std::wstring& quitEvent);

// The parent's side: this program started again with "--windows N", so that
// the windows belong to another process as a user's programs do. The child
// is told to quit when the object goes, and ended if it does not.
class WindowHostProcess {
public:
    static constexpr DWORD kStartLimitMs = 30000;

    explicit WindowHostProcess(int count);
    ~WindowHostProcess();
    WindowHostProcess(const WindowHostProcess&) = delete;
    WindowHostProcess& operator=(const WindowHostProcess&) = delete;

    // The child's visible top-level windows, in enumeration order; empty
    // when it did not start.
    const std::vector<HWND>& windows() const { return windows_; }

private:
    platform::win32::ScopedHandle ready_;
    platform::win32::ScopedHandle quit_;
    platform::win32::ScopedHandle process_;
    DWORD processId_ = 0;
    std::vector<HWND> windows_;
};

}  // namespace vesk::bench
