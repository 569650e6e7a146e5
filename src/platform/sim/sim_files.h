#pragma once
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace vesk::platform::sim {

// A flat, case-insensitive file table; directories are not modelled.
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

    void Put(const std::string& path, std::vector<std::uint8_t> bytes = {});

    std::set<std::string> lockedPaths;  // folded paths that cannot be created or opened
    int writeCalls = 0;
    std::string windowsDirectory = "C:\\windows";
    std::string executablePath = "C:\\Program Files\\Vesk\\Vesk.exe";

private:
    friend class SimOutputFile;
    friend class SimInputFile;
    std::map<std::string, std::vector<std::uint8_t>> files_;  // by folded path
};

}  // namespace vesk::platform::sim
