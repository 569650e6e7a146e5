#include "ui/main/console_output.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/utf.h"

namespace vesk::ui {
namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != FALSE;
}

// A console takes UTF-16; files and pipes get the UTF-8 bytes.
bool WriteTo(HANDLE handle, const std::string& text) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
    if (IsConsole(handle)) {
        std::wstring wide = platform::win32::Widen(text);
        for (std::size_t at = 0; (at = wide.find(L'\n', at)) != std::wstring::npos; at += 2) wide.insert(at, 1, L'\r');
        DWORD written = 0;
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != FALSE;
    }
    DWORD written = 0;
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
}

// A GUI program gets no console of its own; the one of the command prompt
// that started it is borrowed for the text.
bool WriteToParentConsole(const std::string& text) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    const bool written = WriteTo(console, text);
    if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
    FreeConsole();
    return written;
}

}  // namespace

bool PrintForUser(const std::string& text, bool isError) {
    if (text.empty()) return true;
    if (WriteTo(GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text)) return true;
    return WriteToParentConsole(text);
}

void PrintOrShow(const std::string& text, bool isError) {
    if (PrintForUser(text, isError)) return;
    MessageBoxW(nullptr, platform::win32::Widen(text).c_str(), L"Vesk",
                MB_OK | MB_TOPMOST | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace vesk::ui
