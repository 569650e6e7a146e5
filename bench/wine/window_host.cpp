#include "window_host.h"

namespace vesk::bench {
namespace {

constexpr wchar_t kHostClass[] = L"VeskBenchHostWindow";
constexpr DWORD kQuitLimitMs = 10000;

void PumpPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct HostWindows {
    DWORD processId;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectHostWindow(HWND hwnd, LPARAM context) {
    auto& host = *reinterpret_cast<HostWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == host.processId && IsWindowVisible(hwnd)) host.found->push_back(hwnd);
    return TRUE;
}

std::wstring EventName(const wchar_t* role, int count) {
    return L"VeskBench" + std::wstring(role) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(count);
}

}  // namespace

int RunWindowHost(int count, const std::wstring& readyEvent, const std::wstring& quitEvent) {
    const platform::win32::ScopedHandle ready(OpenEventW(EVENT_MODIFY_STATE, FALSE, readyEvent.c_str()));
    const platform::win32::ScopedHandle quit(OpenEventW(SYNCHRONIZE, FALSE, quitEvent.c_str()));
    if (!ready || !quit) return 2;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kHostClass;
    if (!RegisterClassExW(&windowClass)) return 3;
    std::vector<platform::win32::ScopedWindow> windows;
    for (int i = 0; i < count; ++i) {
        const std::wstring title = L"bench window " + std::to_wstring(i + 1);
        windows.emplace_back(CreateWindowExW(0, kHostClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                             (i % 40) * 20, (i % 30) * 16, 160, 100, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
        if (!windows.back()) return 4;
    }
    PumpPendingMessages();
    SetEvent(ready.get());
    const HANDLE quitHandle = quit.get();
    while (MsgWaitForMultipleObjects(1, &quitHandle, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        PumpPendingMessages();
    }
    return 0;
}

WindowHostProcess::WindowHostProcess(int count)
    : ready_(CreateEventW(nullptr, TRUE, FALSE, EventName(L"Ready", count).c_str())),
      quit_(CreateEventW(nullptr, TRUE, FALSE, EventName(L"Quit", count).c_str())) {
    if (!ready_ || !quit_) return;
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" --windows " + std::to_wstring(count) + L" " +
                               EventName(L"Ready", count) + L" " + EventName(L"Quit", count);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
    const HANDLE waitOn[] = {ready_.get(), process_.get()};
    if (WaitForMultipleObjects(2, waitOn, FALSE, kStartLimitMs) != WAIT_OBJECT_0) return;
    HostWindows host{processId_, &windows_};
    EnumWindows(CollectHostWindow, reinterpret_cast<LPARAM>(&host));
}

WindowHostProcess::~WindowHostProcess() {
    if (!process_) return;
    SetEvent(quit_.get());
    if (WaitForSingleObject(process_.get(), kQuitLimitMs) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
}

}  // namespace vesk::bench
