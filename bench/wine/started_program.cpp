#include "started_program.h"

#include <cwchar>
#include <string>

namespace vesk::bench {
namespace {

std::wstring FolderOfThisProgram() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path, length);
    return full.substr(0, full.find_last_of(L'\\') + 1);
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    bool visibleOnly;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || (search.visibleOnly && !IsWindowVisible(window))) return TRUE;
    wchar_t className[256] = {};
    wchar_t title[256] = {};
    GetClassNameW(window, className, 256);
    GetWindowTextW(window, title, 256);
    if (std::wcscmp(className, search.className) != 0 || std::wcscmp(title, search.title) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

void PrepareVeskSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vesk");
    platform::win32::ScopedRegKey common;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SoftWare\\Vesk\\Common", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        common.receive(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    const DWORD noTips = 0;
    RegSetValueExW(common.get(), L"ShowHelp", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&noTips), sizeof noTips);
    const wchar_t noPassword[] = L"";
    RegSetValueExW(common.get(), L"ControlPassword", 0, REG_SZ, reinterpret_cast<const BYTE*>(noPassword),
                   sizeof noPassword);
}

StartedProgram::StartedProgram(const wchar_t* exeName) {
    const std::wstring folder = FolderOfThisProgram();
    const std::wstring exe = folder + exeName;
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

StartedProgram::~StartedProgram() {
    if (!process_) return;
    TerminateProcess(process_.get(), 0);
    WaitForSingleObject(process_.get(), 5000);
}

HWND FindWindowOf(const StartedProgram& program, const wchar_t* className, const wchar_t* title, bool visibleOnly) {
    WindowSearch search{program.id(), className, title, visibleOnly};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const StartedProgram& program, const wchar_t* className, const wchar_t* title, bool visibleOnly,
                   DWORD limitMs, DWORD pollMs) {
    const ULONGLONG start = GetTickCount64();
    while (program.running() && GetTickCount64() - start < limitMs) {
        if (const HWND found = FindWindowOf(program, className, title, visibleOnly)) return found;
        Sleep(pollMs);
    }
    return nullptr;
}

}  // namespace vesk::bench
