#include "platform/sim/sim_files.h"

#include <algorithm>

#include "platform/sim/case_fold.h"

namespace vesk::platform::sim {

bool SimFiles::Exists(const std::string& path) { return files_.count(FoldCase(path)) != 0; }

bool SimFiles::Copy(const std::string& from, const std::string& to, bool overwrite) {
    auto source = files_.find(FoldCase(from));
    if (source == files_.end()) return false;
    if (!overwrite && Exists(to)) return false;
    if (!Writable(to)) return false;
    files_[FoldCase(to)] = source->second;
    return true;
}

bool SimFiles::Delete(const std::string& path) { return Writable(path) && files_.erase(FoldCase(path)) != 0; }

std::optional<std::vector<std::uint8_t>> SimFiles::ReadAll(const std::string& path) {
    auto file = files_.find(FoldCase(path));
    if (file == files_.end()) return std::nullopt;
    return file->second;
}

bool SimFiles::WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (!Writable(path)) return false;
    files_[FoldCase(path)] = bytes;
    return true;
}

std::optional<std::uint64_t> SimFiles::Size(const std::string& path) {
    auto file = files_.find(FoldCase(path));
    if (file == files_.end()) return std::nullopt;
    return file->second.size();
}

std::optional<std::vector<std::uint8_t>> SimFiles::ReadRange(const std::string& path, std::uint64_t offset,
                                                             std::uint32_t length) {
    auto file = files_.find(FoldCase(path));
    if (file == files_.end()) return std::nullopt;
    const auto& bytes = file->second;
    if (offset > bytes.size() || bytes.size() - offset < length) return std::nullopt;
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    return std::vector<std::uint8_t>(begin, begin + length);
}

class SimOutputFile : public OutputFile {
public:
    SimOutputFile(SimFiles& files, std::string key) : files_(files), key_(std::move(key)) {}
    bool Write(std::span<const std::uint8_t> bytes) override {
        ++files_.writeCalls;
        auto& content = files_.files_[key_];
        content.insert(content.end(), bytes.begin(), bytes.end());
        return true;
    }
    bool Truncate(std::uint64_t size) override {
        auto& content = files_.files_[key_];
        if (size > content.size()) return false;
        content.resize(size);
        return true;
    }

private:
    SimFiles& files_;
    std::string key_;
};

// Reads a snapshot taken at opening, as a reader sharing the file would.
class SimInputFile : public InputFile {
public:
    explicit SimInputFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(std::span<std::uint8_t> into) override {
        const std::size_t count = std::min<std::size_t>(into.size(), bytes_.size() - pos_);
        std::copy_n(bytes_.begin() + std::ptrdiff_t(pos_), count, into.begin());
        pos_ += count;
        return count;
    }
    std::uint64_t Position() override { return pos_; }
    std::uint64_t Size() override { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

std::unique_ptr<OutputFile> SimFiles::Create(const std::string& path) {
    const std::string key = FoldCase(path);
    if (lockedPaths.count(key) || !Writable(path)) return nullptr;
    files_[key].clear();
    return std::make_unique<SimOutputFile>(*this, key);
}

std::unique_ptr<InputFile> SimFiles::OpenForReading(const std::string& path) {
    const std::string key = FoldCase(path);
    auto file = files_.find(key);
    if (file == files_.end() || lockedPaths.count(key)) return nullptr;
    return std::make_unique<SimInputFile>(file->second);
}

void SimFiles::Put(const std::string& path, std::vector<std::uint8_t> bytes) {
    files_[FoldCase(path)] = std::move(bytes);
}

bool SimFiles::MakeDirectory(const std::string& path) {
    const std::string key = FoldCase(path);
    if (files_.count(key)) return false;
    if (directories_.count(key)) return true;
    if (!Writable(path)) return false;
    directories_.insert(key);
    return true;
}

void SimFiles::DenyFolder(const std::string& path) { deniedFolders_.insert(FoldCase(path)); }

bool SimFiles::IsDirectory(const std::string& path) const { return directories_.count(FoldCase(path)) != 0; }

// A path is writable unless it lies in a denied folder: a denied folder
// itself may exist (it was made before), but nothing can be put into it.
bool SimFiles::Writable(const std::string& path) const {
    const std::string key = FoldCase(path);
    for (const std::string& denied : deniedFolders_) {
        if (key.starts_with(denied + "\\")) return false;
    }
    return true;
}

}  // namespace vesk::platform::sim
