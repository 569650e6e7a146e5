#include "temp_folder.h"

#include "platform/win32/windows_api.h"

#include <stdexcept>

#include "platform/win32/long_path.h"
#include "platform/win32/utf.h"

namespace vesk::test {
namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

void RemoveTree(const std::wstring& directory) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = directory + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(directory.c_str());
}

}  // namespace

TempFolder::TempFolder(const std::string& label) {
    wchar_t temp[MAX_PATH] = {};
    if (GetTempPathW(MAX_PATH, temp) == 0) throw std::runtime_error("GetTempPathW failed");
    const std::string base =
        Narrow(temp) + "vesk-" + label + "-" + std::to_string(GetCurrentProcessId()) + "-";
    // Several folders of one label may live at once; take the first free name.
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        path_ = base + std::to_string(attempt);
        if (CreateDirectoryW(Widen(path_).c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    throw std::runtime_error("cannot create a folder named " + base + "N");
}

// Through the long-path form, so that trees deeper than MAX_PATH go too.
TempFolder::~TempFolder() { RemoveTree(platform::win32::ToApiPath(path_)); }

}  // namespace vesk::test
