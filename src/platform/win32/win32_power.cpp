#include "platform/win32/win32_power.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/scoped_handles.h"

namespace vesk::platform::win32 {

static_assert(static_cast<UINT>(ExitMode::Shutdown) == EWX_SHUTDOWN &&
              static_cast<UINT>(ExitMode::Reboot) == EWX_REBOOT);

std::optional<std::uint32_t> Win32Power::VersionPlatformId() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) return std::nullopt;
    return info.dwPlatformId;
}

bool Win32Power::EnableShutdownPrivilege() {
    ScopedHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                          token.receive())) {
        return false;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        return false;
    }
    // AdjustTokenPrivileges succeeds even when the token lacks the privilege;
    // only the last error (ERROR_NOT_ALL_ASSIGNED) tells.
    SetLastError(ERROR_SUCCESS);
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) {
        return false;
    }
    return GetLastError() == ERROR_SUCCESS;
}

bool Win32Power::ExitWindows(ExitMode mode) {
    return ExitWindowsEx(static_cast<UINT>(mode), 0) != FALSE;
}

bool Win32Power::SetSystemPowerState(bool suspend, bool force) {
    return ::SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE) != FALSE;
}

}  // namespace vesk::platform::win32
