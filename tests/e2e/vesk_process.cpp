#include "vesk_process.h"

#include <iterator>

#include "poll.h"

namespace vesk::e2e {

namespace {

constexpr const wchar_t* kMainWindowTitle = L"Vesk1.2";
constexpr const wchar_t* kMainWindowClass = L"TForm1";

std::wstring FolderOfThisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

// A named stdcall function: on i686 a lambda does not convert to WNDENUMPROC.
BOOL CALLBACK CollectWindowOf(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId) search.found.push_back(window);
    return TRUE;
}

}  // namespace

std::wstring VeskExePath() { return FolderOfThisProgram() + L"Vesk.exe"; }

std::wstring TitleOf(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    return title;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[257] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

VeskProcess::VeskProcess() {
    const std::wstring exe = VeskExePath();
    const std::wstring folder = FolderOfThisProgram();
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        startError_ = "CreateProcessW failed with error " + std::to_string(GetLastError());
        return;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

VeskProcess::~VeskProcess() {
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 10000);
    }
}

bool VeskProcess::IsRunning() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> VeskProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    if (!process_) return std::nullopt;
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

std::vector<HWND> VeskProcess::TopLevelWindows() const {
    WindowSearch search{id_, {}};
    EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VeskProcess::WaitForMainWindow(std::chrono::milliseconds timeout) const {
    return WaitForWindow(
        [](HWND window) { return ClassOf(window) == kMainWindowClass && TitleOf(window) == kMainWindowTitle; },
        timeout);
}

HWND VeskProcess::WaitForWindow(const std::function<bool(HWND)>& wanted, std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    PollUntil(
        [&] {
            for (HWND window : TopLevelWindows()) {
                if (wanted(window)) {
                    found = window;
                    return true;
                }
            }
            return !IsRunning();
        },
        timeout);
    return found;
}

CommandRun RunVeskCommand(const std::wstring& arguments, std::chrono::milliseconds timeout) {
    CommandRun run;
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return run;
    platform::win32::ScopedHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

    const std::wstring exe = VeskExePath();
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.get();
    startup.hStdError = writer.get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        FolderOfThisProgram().c_str(), &startup, &info)) {
        return run;
    }
    CloseHandle(info.hThread);
    const platform::win32::ScopedHandle process(info.hProcess);
    writer.reset();  // the pipe ends once the child's copy closes
    if (WaitForSingleObject(process.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 10000);
        return run;
    }
    DWORD code = 0;
    if (GetExitCodeProcess(process.get(), &code)) run.exitCode = code;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) run.output.append(buffer, got);
    return run;
}

}  // namespace vesk::e2e
