#include "platform/win32/win32_files.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <limits>

#include "platform/win32/chunked_io.h"
#include "platform/win32/late_calls.h"
#include "platform/win32/long_path.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_file_streams.h"

namespace vesk::platform::win32 {
namespace {

ScopedFileHandle OpenShared(const std::string& path, DWORD access) {
    return ScopedFileHandle(CreateFileW(ToApiPath(path).c_str(), access,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool IsDriveRoot(const std::wstring& path) {
    return path.size() == 3 && path[1] == L':' && path[2] == L'\\';
}

}  // namespace

bool Win32Files::Exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(ToApiPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::Copy(const std::string& from, const std::string& to, bool overwrite) {
    return CopyFileW(ToApiPath(from).c_str(), ToApiPath(to).c_str(), overwrite ? FALSE : TRUE) !=
           FALSE;
}

bool Win32Files::Delete(const std::string& path) {
    return DeleteFileW(ToApiPath(path).c_str()) != FALSE;
}

std::optional<std::vector<std::uint8_t>> Win32Files::ReadAll(const std::string& path) {
    const ScopedFileHandle file = OpenShared(path, GENERIC_READ);
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) >
            std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    const ChunkedRead read = ReadChunked(file.get(), bytes);
    if (!read.ok) return std::nullopt;
    bytes.resize(read.bytes);  // the file may have shrunk since we asked its size
    return bytes;
}

std::optional<std::uint64_t> Win32Files::Size(const std::string& path) {
    const ScopedFileHandle file = OpenShared(path, FILE_READ_ATTRIBUTES);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::vector<std::uint8_t>> Win32Files::ReadRange(const std::string& path,
                                                               std::uint64_t offset,
                                                               std::uint32_t length) {
    const ScopedFileHandle file = OpenShared(path, GENERIC_READ);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    // Checked before allocating, so a bogus length cannot exhaust memory.
    const auto fileSize = static_cast<std::uint64_t>(size.QuadPart);
    if (offset > fileSize || length > fileSize - offset) return std::nullopt;
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return std::nullopt;
    std::vector<std::uint8_t> bytes(length);
    const ChunkedRead read = ReadChunked(file.get(), bytes);
    if (!read.ok || read.bytes != bytes.size()) return std::nullopt;
    return bytes;
}

bool Win32Files::WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const auto file = CreateOutputFile(path);
    return file && file->Write(bytes);
}

std::unique_ptr<OutputFile> Win32Files::Create(const std::string& path) {
    return CreateOutputFile(path);
}

std::unique_ptr<InputFile> Win32Files::OpenForReading(const std::string& path) {
    return OpenInputFile(path);
}

std::string Win32Files::WindowsDirectory() {
    std::wstring directory(MAX_PATH, L'\0');
    while (true) {
        const UINT length =
            GetWindowsDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
        if (length == 0) return {};
        if (length < directory.size()) {
            directory.resize(length);
            break;
        }
        directory.assign(length, L'\0');  // length counts the terminating NUL here
    }
    if (directory.size() > 1 && directory.back() == L'\\' && !IsDriveRoot(directory)) {
        directory.pop_back();
    }
    return Narrow(directory);
}

std::string Win32Files::ExecutablePath() {
    // GetModuleFileNameW truncates silently (and on XP without a NUL) when the
    // buffer is short; a result that fills the buffer means "try bigger".
    constexpr std::size_t kLongestPath = 32768;  // characters, the system's limit
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size() || path.size() >= kLongestPath) {
            path.resize(std::min<std::size_t>(length, path.size()));
            return Narrow(path);
        }
        path.assign(path.size() * 2, L'\0');
    }
}

std::string Win32Files::LocalAppDataDirectory() {
    // SHGetFolderPath rather than SHGetKnownFolderPath, which Windows XP
    // lacks; it answers in at most MAX_PATH characters.
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(late::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    std::wstring path(folder);
    if (path.size() > 1 && path.back() == L'\\' && !IsDriveRoot(path)) path.pop_back();
    return Narrow(path);
}

bool Win32Files::MakeDirectory(const std::string& path) {
    const std::wstring apiPath = ToApiPath(path);
    if (CreateDirectoryW(apiPath.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(apiPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vesk::platform::win32
