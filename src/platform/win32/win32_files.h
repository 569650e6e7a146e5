#pragma once
#include "platform/files.h"

namespace vesk::platform::win32 {

// Paths of any length; see ToApiPath. Files are read with every kind of
// sharing allowed, so that neither a running program (Vesk reads its own
// executable) nor a writer elsewhere makes the read fail.
class Win32Files final : public Files {
public:
    // True for files only, false for directories.
    bool Exists(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to, bool overwrite) override;
    bool Delete(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadRange(const std::string& path,
                                                       std::uint64_t offset,
                                                       std::uint32_t length) override;
    // Replaces the file; false when it could not be written in full.
    bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    // Without a trailing backslash ("C:\WINDOWS"), except when the Windows
    // directory is a drive root, which keeps its backslash ("C:\") so that it
    // still names the root; callers append "\" only where it is missing.
    std::string WindowsDirectory() override;
    std::string ExecutablePath() override;
    std::string LocalAppDataDirectory() override;
    bool MakeDirectory(const std::string& path) override;
};

}  // namespace vesk::platform::win32
