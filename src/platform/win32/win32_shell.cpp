#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include <atomic>

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
// ERROR_MESSAGE_SYNC_ONLY). One broadcast at a time: fast switching would
// otherwise pile up threads (each holds a whole stack under Wine), and
// requests made while one runs are folded into one more broadcast. The
// thread touches nothing but these atomics, so it may outlive its caller.
struct Announcements {
    std::atomic<bool> running{false};
    std::atomic<bool> wanted{false};
};

Announcements& PendingAnnouncements() {
    static Announcements announcements;
    return announcements;
}

void BroadcastWhileWanted() {
    Announcements& a = PendingAnnouncements();
    do {
        while (a.wanted.exchange(false)) BroadcastWallpaperChange();
        a.running.store(false);
        // A request that came after the last broadcast but before the store
        // above found the flag still set and left the work to this thread.
    } while (a.wanted.load() && !a.running.exchange(true));
}

DWORD WINAPI AnnouncerThread(void*) {
    BroadcastWhileWanted();
    return 0;
}

void AnnounceWallpaperChange() {
    Announcements& a = PendingAnnouncements();
    a.wanted.store(true);
    if (a.running.exchange(true)) return;
    // A small stack: a default one is megabytes, committed at once under
    // Wine, for a thread that only sends one message.
    constexpr SIZE_T kStackBytes = 256 * 1024;
    if (const HANDLE thread =
            CreateThread(nullptr, kStackBytes, AnnouncerThread, nullptr, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr)) {
        CloseHandle(thread);
    } else {
        BroadcastWhileWanted();
    }
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

bool Win32Shell::Open(const std::string& target) {
    const HINSTANCE result = late::ShellExecuteW(nullptr, L"open", Widen(target).c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success; smaller ones are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vesk::platform::win32
