#include "platform/win32/late_calls.h"

#include <string>

namespace vesk::platform::win32::late {
namespace {

// From the system folder only, so that a DLL of the same name beside the
// program is never loaded. comctl32 still comes in version 6: the manifest's
// side-by-side redirection is applied before any search. Systems without
// LOAD_LIBRARY_SEARCH_SYSTEM32 (Windows 7 before KB2533623) get the full path.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (const HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

// The library stays loaded until the program ends, as an import would.
template <typename Function>
Function* Bind(const wchar_t* library, const char* name) {
    const HMODULE module = LoadSystemLibrary(library);
    if (!module) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

#define VESK_LATE(library, function) \
    static const auto bound = Bind<decltype(::function)>(library, #function)

constexpr const wchar_t* kCommonControls = L"comctl32.dll";
constexpr const wchar_t* kCommonDialogs = L"comdlg32.dll";
constexpr const wchar_t* kShell = L"shell32.dll";
constexpr const wchar_t* kMultimedia = L"winmm.dll";
constexpr const wchar_t* kObjects = L"ole32.dll";

}  // namespace

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    VESK_LATE(kCommonControls, SetWindowSubclass);
    return bound ? bound(window, procedure, id, data) : FALSE;
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    VESK_LATE(kCommonControls, RemoveWindowSubclass);
    return bound ? bound(window, procedure, id) : FALSE;
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    VESK_LATE(kCommonControls, DefSubclassProc);
    return bound ? bound(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
    VESK_LATE(kCommonControls, InitCommonControlsEx);
    return bound ? bound(classes) : FALSE;
}

BOOL GetOpenFileNameW(OPENFILENAMEW* request) {
    VESK_LATE(kCommonDialogs, GetOpenFileNameW);
    return bound ? bound(request) : FALSE;
}

BOOL GetSaveFileNameW(OPENFILENAMEW* request) {
    VESK_LATE(kCommonDialogs, GetSaveFileNameW);
    return bound ? bound(request) : FALSE;
}

HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* folder, int show) {
    VESK_LATE(kShell, ShellExecuteW);
    // Any value up to 32 is a failure; this one reads "file not found".
    return bound ? bound(owner, verb, file, parameters, folder, show) : reinterpret_cast<HINSTANCE>(SE_ERR_FNF);
}

BOOL Shell_NotifyIconW(DWORD message, NOTIFYICONDATAW* data) {
    VESK_LATE(kShell, Shell_NotifyIconW);
    return bound ? bound(message, data) : FALSE;
}

LPWSTR* CommandLineToArgvW(const wchar_t* commandLine, int* count) {
    VESK_LATE(kShell, CommandLineToArgvW);
    return bound ? bound(commandLine, count) : nullptr;
}

HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, wchar_t* path) {
    VESK_LATE(kShell, SHGetFolderPathW);
    return bound ? bound(owner, folder, token, flags, path) : E_NOTIMPL;
}

MMRESULT waveOutGetVolume(HWAVEOUT device, DWORD* volume) {
    VESK_LATE(kMultimedia, waveOutGetVolume);
    return bound ? bound(device, volume) : MMSYSERR_NODRIVER;
}

MMRESULT waveOutSetVolume(HWAVEOUT device, DWORD volume) {
    VESK_LATE(kMultimedia, waveOutSetVolume);
    return bound ? bound(device, volume) : MMSYSERR_NODRIVER;
}

MMRESULT timeBeginPeriod(UINT milliseconds) {
    VESK_LATE(kMultimedia, timeBeginPeriod);
    return bound ? bound(milliseconds) : TIMERR_NOCANDO;
}

MMRESULT timeEndPeriod(UINT milliseconds) {
    VESK_LATE(kMultimedia, timeEndPeriod);
    return bound ? bound(milliseconds) : TIMERR_NOCANDO;
}

HRESULT CoInitializeEx(void* reserved, DWORD model) {
    VESK_LATE(kObjects, CoInitializeEx);
    return bound ? bound(reserved, model) : E_NOTIMPL;
}

void CoUninitialize() {
    VESK_LATE(kObjects, CoUninitialize);
    if (bound) bound();
}

}  // namespace vesk::platform::win32::late
