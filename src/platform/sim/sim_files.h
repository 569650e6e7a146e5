#pragma once
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace vesk::platform::sim {

// A flat, case-insensitive file table; directories are only recorded when
// made, a file needs none. A denied folder, with every folder below it, is
// what a standard user meets in the Windows directory: its files can be read,
// nothing in it can be created, replaced, deleted or made.
class SimFiles : public Files {
public:
    bool Exists(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to, bool overwrite) override;
    bool Delete(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadRange(const std::string& path, std::uint64_t offset,
                                                       std::uint32_t length) override;
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::string WindowsDirectory() override { return windowsDirectory; }
    std::string ExecutablePath() override { return executablePath; }
    std::string LocalAppDataDirectory() override { return localAppData; }
    bool MakeDirectory(const std::string& path) override;

    void Put(const std::string& path, std::vector<std::uint8_t> bytes = {});
    void DenyFolder(const std::string& path);
    bool IsDirectory(const std::string& path) const;

    std::set<std::string> lockedPaths;  // folded paths that cannot be created or opened
    int writeCalls = 0;
    std::string windowsDirectory = "C:\\windows";
    std::string executablePath = "C:\\Program Files\\Vesk\\Vesk.exe";
    std::string localAppData = "C:\\Users\\user\\AppData\\Local";

private:
    friend class SimOutputFile;
    friend class SimInputFile;
    bool Writable(const std::string& path) const;
    std::map<std::string, std::vector<std::uint8_t>> files_;  // by folded path
    std::set<std::string> directories_;  // folded paths
    std::set<std::string> deniedFolders_;  // folded paths
};

}  // namespace vesk::platform::sim
