#include "ui/main/record_file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/late_calls.h"
#include "platform/win32/utf.h"

namespace vesk::ui {
namespace {

// "Record K&M File(*.RKM)|*.RKM" in the dialog's own notation: pairs of
// zero-terminated strings, the list ending in an empty one.
constexpr wchar_t kFilter[] = L"Record K&M File(*.RKM)\0*.RKM\0";
// Long paths are welcome; the dialog says when a name does not fit.
constexpr DWORD kPathCapacity = 32768;

std::optional<std::string> Ask(HWND owner, const wchar_t* title, const wchar_t* defaultExtension, DWORD flags,
                               BOOL (*run)(OPENFILENAMEW*)) {
    std::vector<wchar_t> path(kPathCapacity, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = kFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = path.data();
    request.nMaxFile = kPathCapacity;
    request.lpstrTitle = title;
    request.lpstrDefExt = defaultExtension;
    // The program's current folder is not the dialog's business.
    request.Flags = flags | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!run(&request)) return std::nullopt;
    return platform::win32::Narrow(path.data());
}

}  // namespace

std::optional<std::string> AskRecordFileToSave(HWND owner) {
    return Ask(owner, L"Save keyboard and Mouse Event Record", L"RKM", 0, platform::win32::late::GetSaveFileNameW);
}

std::optional<std::string> AskRecordFileToOpen(HWND owner) {
    return Ask(owner, L"Open Keyboard and Mouse Record", nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
               platform::win32::late::GetOpenFileNameW);
}

}  // namespace vesk::ui
