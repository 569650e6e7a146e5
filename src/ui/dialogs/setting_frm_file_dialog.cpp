#include "ui/dialogs/setting_frm_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/late_calls.h"
#include "platform/win32/utf.h"

namespace vesk::ui {

namespace {

// Long paths are welcome; the dialog says when a name does not fit.
constexpr DWORD kPathCapacity = 32768;

// "Name|pattern" to the dialog's own notation: zero-terminated strings, the
// list ending in an empty one.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring converted = platform::win32::Widen(filter);
    for (wchar_t& c : converted) {
        if (c == L'|') c = L'\0';
    }
    converted.push_back(L'\0');
    converted.push_back(L'\0');
    return converted;
}

}  // namespace

std::string AskWallpaperFile(HWND owner, const std::string& filter) {
    const std::wstring dialogFilter = DialogFilter(filter);
    std::vector<wchar_t> path(kPathCapacity, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = dialogFilter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = path.data();
    request.nMaxFile = kPathCapacity;
    // The program's current folder is not the dialog's business.
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!platform::win32::late::GetOpenFileNameW(&request)) return {};
    return platform::win32::Narrow(path.data());
}

}  // namespace vesk::ui
