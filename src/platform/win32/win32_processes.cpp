#include "platform/win32/win32_processes.h"

#include "platform/win32/windows_api.h"

#include <tlhelp32.h>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"

namespace vesk::platform::win32 {

std::vector<ProcessEntry> Win32Processes::Snapshot() {
    std::vector<ProcessEntry> processes;
    const ScopedFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        const std::size_t nameLength = wcsnlen(entry.szExeFile, std::size(entry.szExeFile));
        processes.push_back({entry.th32ProcessID, entry.th32ParentProcessID,
                             Narrow(std::wstring_view(entry.szExeFile, nameLength))});
    }
    return processes;
}

// A process that has ended but is still listed (its id not yet reused, or a
// handle keeps it around) is left alone.
bool Win32Processes::Terminate(ProcessId id, unsigned exitCode) {
    const ScopedHandle process(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    DWORD status = 0;
    if (!process || !GetExitCodeProcess(process.get(), &status) || status != STILL_ACTIVE) return false;
    return TerminateProcess(process.get(), exitCode) != FALSE;
}

ProcessId Win32Processes::CurrentProcessId() { return GetCurrentProcessId(); }

}  // namespace vesk::platform::win32
