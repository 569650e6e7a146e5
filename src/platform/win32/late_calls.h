#pragma once
#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

// Functions of comctl32, comdlg32, shell32, winmm and ole32, bound at their
// first call instead of when the program starts: under Wine, loading and
// initialising those (which bring ole32, rpcrt4 and more along; winmm also
// msacm32, which reads its codecs from the registry) took about 40 ms of a
// start that uses none of them before its window is up. ole32 is wanted at
// once, but only by the copy that stays running, not by one that hands a
// command over and ends. Each fails as the real one does when its library
// cannot be loaded.
namespace vesk::platform::win32::late {

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);

BOOL GetOpenFileNameW(OPENFILENAMEW* request);
BOOL GetSaveFileNameW(OPENFILENAMEW* request);

HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* folder, int show);
BOOL Shell_NotifyIconW(DWORD message, NOTIFYICONDATAW* data);
LPWSTR* CommandLineToArgvW(const wchar_t* commandLine, int* count);
HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, wchar_t* path);

MMRESULT waveOutGetVolume(HWAVEOUT device, DWORD* volume);
MMRESULT waveOutSetVolume(HWAVEOUT device, DWORD volume);
MMRESULT timeBeginPeriod(UINT milliseconds);
MMRESULT timeEndPeriod(UINT milliseconds);

HRESULT CoInitializeEx(void* reserved, DWORD model);
void CoUninitialize();

}  // namespace vesk::platform::win32::late
