#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/scoped_handles.h"

namespace vesk::e2e {

// Full path of the Vesk.exe that lies beside this test program.
std::wstring VeskExePath();

std::wstring ClassOf(HWND window);
std::wstring TitleOf(HWND window);

// One Vesk.exe started by a test. Whatever the test's outcome, a copy still
// running when this is dropped is ended, so it cannot spoil the next test.
class VeskProcess {
public:
    VeskProcess();
    ~VeskProcess();
    VeskProcess(const VeskProcess&) = delete;
    VeskProcess& operator=(const VeskProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    const std::string& startError() const { return startError_; }
    DWORD id() const { return id_; }

    bool IsRunning() const;
    // The exit code, or nullopt when the process is still running then.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;
    // The process's top-level windows, hidden ones included.
    std::vector<HWND> TopLevelWindows() const;
    // Its main window (class "TForm1", titled "Vesk1.2"), or nullptr when
    // none shows up.
    HWND WaitForMainWindow(std::chrono::milliseconds timeout) const;
    // Its first top-level window for which `wanted` holds, or nullptr.
    HWND WaitForWindow(const std::function<bool(HWND)>& wanted, std::chrono::milliseconds timeout) const;

private:
    platform::win32::ScopedHandle process_;
    DWORD id_ = 0;
    std::string startError_;
};

// A start of Vesk.exe with arguments, waited for: its exit code (nullopt
// when it had not ended in time) and what it wrote to its standard output
// and error, which a pipe gathers.
struct CommandRun {
    std::optional<DWORD> exitCode;
    std::string output;
};
CommandRun RunVeskCommand(const std::wstring& arguments, std::chrono::milliseconds timeout);

}  // namespace vesk::e2e
