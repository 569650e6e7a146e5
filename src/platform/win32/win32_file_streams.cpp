#include "platform/win32/win32_file_streams.h"

#include "platform/win32/windows_api.h"

#include <algorithm>

#include "platform/win32/long_path.h"
#include "platform/win32/scoped_handles.h"

namespace vesk::platform::win32 {
namespace {

// Largest single ReadFile/WriteFile request, in bytes.
constexpr std::size_t kChunk = 1u << 20;

class Win32OutputFile final : public OutputFile {
public:
    explicit Win32OutputFile(ScopedFileHandle file) : file_(std::move(file)) {}

    bool Write(std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kChunk));
            DWORD written = 0;
            if (!WriteFile(file_.get(), bytes.data(), wanted, &written, nullptr) || written == 0) {
                return false;
            }
            bytes = bytes.subspan(written);
        }
        return true;
    }

    bool Truncate(std::uint64_t size) override {
        LARGE_INTEGER end{};
        if (!GetFileSizeEx(file_.get(), &end) || size > static_cast<std::uint64_t>(end.QuadPart)) return false;
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(size);
        return SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN) && SetEndOfFile(file_.get());
    }

private:
    ScopedFileHandle file_;
};

class Win32InputFile final : public InputFile {
public:
    explicit Win32InputFile(ScopedFileHandle file) : file_(std::move(file)) {}

    std::size_t Read(std::span<std::uint8_t> into) override {
        std::size_t done = 0;
        while (done < into.size()) {
            const DWORD wanted = static_cast<DWORD>(std::min(into.size() - done, kChunk));
            DWORD got = 0;
            if (!ReadFile(file_.get(), into.data() + done, wanted, &got, nullptr) || got == 0) {
                break;  // end of file, or an error the caller sees as a short read
            }
            done += got;
        }
        position_ += done;
        return done;
    }

    std::uint64_t Position() override { return position_; }

    // Asked of the system each time: another program may still be writing.
    std::uint64_t Size() override {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file_.get(), &size) || size.QuadPart < 0) return 0;
        return static_cast<std::uint64_t>(size.QuadPart);
    }

private:
    ScopedFileHandle file_;
    std::uint64_t position_ = 0;  // bytes from the start
};

}  // namespace

std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) {
    ScopedFileHandle file(CreateFileW(ToApiPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32OutputFile>(std::move(file));
}

std::unique_ptr<InputFile> OpenInputFile(const std::string& path) {
    ScopedFileHandle file(CreateFileW(ToApiPath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32InputFile>(std::move(file));
}

}  // namespace vesk::platform::win32
