#include "platform/win32/win32_file_streams.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/chunked_io.h"
#include "platform/win32/long_path.h"
#include "platform/win32/scoped_handles.h"

namespace vesk::platform::win32 {
namespace {

class Win32OutputFile final : public OutputFile {
public:
    explicit Win32OutputFile(ScopedFileHandle file) : file_(std::move(file)) {}

    bool Write(std::span<const std::uint8_t> bytes) override { return WriteChunked(file_.get(), bytes); }

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

    // An error comes back as a short read, like the end of the file.
    std::size_t Read(std::span<std::uint8_t> into) override {
        const std::size_t done = ReadChunked(file_.get(), into).bytes;
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
