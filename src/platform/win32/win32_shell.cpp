#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include "platform/win32/late_calls.h"
#include "platform/win32/utf.h"

namespace vesk::platform::win32 {
namespace {

// How long one window may take to acknowledge the change, in milliseconds.
// HWND_BROADCAST applies it to each window in turn, and Wine counts a thread
// as hung only after five seconds without pumping, so a program that has just
// stopped costs this much for each of its windows (its IME window included).
constexpr UINT kAnnounceTimeoutMs = 200;

void BroadcastWallpaperChange() {
    // Windows names the registry area of the changed setting in lParam.
    static constexpr wchar_t kArea[] = L"Control Panel\\Desktop";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER,
                        reinterpret_cast<LPARAM>(kArea), SMTO_ABORTIFHUNG | SMTO_NORMAL,
                        kAnnounceTimeoutMs, &ignored);
}

// The broadcast runs on a thread of its own so that even a few slow windows
// cost the caller nothing. WM_SETTINGCHANGE carries a string, so the system
// refuses to send it asynchronously (SendNotifyMessage fails with
// ERROR_MESSAGE_SYNC_ONLY). One thread, made at the first announcement and
// kept: a thread per announcement left megabytes of stack behind under Wine,
// which frees an ended thread's stack only when the next one ends. Requests
// made while it broadcasts are folded into one more broadcast (the event
// resets itself).
DWORD WINAPI AnnounceWhenWanted(void* wanted) {
    while (WaitForSingleObject(static_cast<HANDLE>(wanted), INFINITE) == WAIT_OBJECT_0) BroadcastWallpaperChange();
    return 0;
}

// The event that wakes the announcer, kept with its thread for the life of
// the program; nullptr when no thread could be made.
HANDLE StartAnnouncer() {
    const HANDLE wanted = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!wanted) return nullptr;
    // It only sends one message: a small stack.
    constexpr SIZE_T kStackBytes = 256 * 1024;
    const HANDLE thread =
        CreateThread(nullptr, kStackBytes, AnnounceWhenWanted, wanted, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!thread) {
        CloseHandle(wanted);
        return nullptr;
    }
    CloseHandle(thread);
    return wanted;
}

void AnnounceWallpaperChange() {
    static const HANDLE wanted = StartAnnouncer();
    if (wanted) SetEvent(wanted);
    else BroadcastWallpaperChange();
}

}  // namespace

bool Win32Shell::SetDeskWallpaper(const std::optional<std::string>& path) {
    // An empty string removes the wallpaper; NULL would restore the default.
    std::wstring wide = path ? Widen(*path) : std::wstring();
    // SPIF_SENDWININICHANGE would broadcast WM_SETTINGCHANGE itself and wait
    // up to two seconds for each top-level window; one hung program froze us
    // for 3.5 s under Wine. Store only, then announce without waiting.
    const BOOL stored =
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wide.data(), SPIF_UPDATEINIFILE);
    if (!stored) return false;
    AnnounceWallpaperChange();
    return true;
}

std::string Win32Shell::DeskWallpaper() {
    // The system keeps the path in a MAX_PATH buffer of its own.
    wchar_t path[MAX_PATH + 1] = {};
    if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0)) return {};
    return Narrow(path);
}

bool Win32Shell::Open(const std::string& target) {
    const HINSTANCE result = late::ShellExecuteW(nullptr, L"open", Widen(target).c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success; smaller ones are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vesk::platform::win32
