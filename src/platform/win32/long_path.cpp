#include "platform/win32/long_path.h"

#include "platform/win32/windows_api.h"

#include <string_view>

#include "platform/win32/utf.h"

namespace vesk::platform::win32 {
namespace {

std::wstring FullPath(const std::wstring& path) {
    std::wstring full(path.size() + MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return path;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.assign(length, L'\0');  // length counts the terminating NUL here
    }
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::wstring ToApiPath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.size() < MAX_PATH || StartsWith(wide, L"\\\\?\\")) return wide;
    // The prefix turns off the system's own clean-up of the path ("/", "..",
    // repeated separators), so do that clean-up first.
    std::wstring full = FullPath(wide);
    if (StartsWith(full, L"\\\\?\\") || StartsWith(full, L"\\\\.\\")) return full;
    if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace vesk::platform::win32
