#pragma once
#include "platform/win32/windows_api.h"

#include "platform/win32/scoped_handles.h"

// Programs the Wine benchmarks start and watch from outside: Vesk.exe and the
// one-window program it is measured against, both beside the benchmark.
namespace vesk::bench {

// Registry values that let Vesk start without asking anything: no tips, no
// main password, and no hidden-window journal of an earlier run to give back.
void PrepareVeskSettings();

// A program from this folder; ended when dropped, since a benchmark need not
// go through its exit questions.
class StartedProgram {
public:
    explicit StartedProgram(const wchar_t* exeName);
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    bool running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    HANDLE handle() const { return process_.get(); }
    DWORD id() const { return id_; }

private:
    platform::win32::ScopedHandle process_;
    DWORD id_ = 0;
};

// The program's top-level window of that class and title (visible ones only
// when asked), or nullptr.
HWND FindWindowOf(const StartedProgram& program, const wchar_t* className, const wchar_t* title, bool visibleOnly);

// Polls every `pollMs` until FindWindowOf finds the window; nullptr when it
// does not show within `limitMs` or the program ends.
HWND WaitForWindow(const StartedProgram& program, const wchar_t* className, const wchar_t* title, bool visibleOnly,
                   DWORD limitMs, DWORD pollMs);

}  // namespace vesk::bench
