#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vesk::platform {

// A file open for appending; closed when destroyed.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Cuts the file back to its first `size` bytes (no more than it holds);
    // later writes go on from there.
    virtual bool Truncate(std::uint64_t size) = 0;
};

// A file open for reading in sequence; closed when destroyed.
class InputFile {
public:
    virtual ~InputFile() = default;
    // Bytes actually read; fewer than asked at the end of the file.
    virtual std::size_t Read(std::span<std::uint8_t> into) = 0;
    virtual std::uint64_t Position() = 0;
    virtual std::uint64_t Size() = 0;
};

// Paths are UTF-8 with Windows separators ("C:\windows\sea.bmp").
class Files {
public:
    virtual ~Files() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Copy(const std::string& from, const std::string& to, bool overwrite) = 0;
    virtual bool Delete(const std::string& path) = 0;
    virtual std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path) = 0;
    // Size in bytes; nullopt when the file cannot be opened.
    virtual std::optional<std::uint64_t> Size(const std::string& path) = 0;
    // Exactly length bytes from offset, or nullopt. Opened for reading while
    // other processes keep full access: the file may be the running program.
    virtual std::optional<std::vector<std::uint8_t>> ReadRange(const std::string& path,
                                                               std::uint64_t offset,
                                                               std::uint32_t length) = 0;
    virtual bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    // Creates the file, emptying an existing one; nullptr when it cannot.
    virtual std::unique_ptr<OutputFile> Create(const std::string& path) = 0;
    virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path) = 0;
    // The Windows directory at full length, without a trailing separator
    // unless it is a drive root ("C:\\").
    virtual std::string WindowsDirectory() = 0;
    // Full path of the running executable.
    virtual std::string ExecutablePath() = 0;
    // The user's own folder for application data kept on this machine
    // (CSIDL_LOCAL_APPDATA), without a trailing separator; empty when the
    // system cannot tell.
    virtual std::string LocalAppDataDirectory() = 0;
    // true when the folder exists afterwards (made now or before); its parent
    // must exist.
    virtual bool MakeDirectory(const std::string& path) = 0;
};

}  // namespace vesk::platform
