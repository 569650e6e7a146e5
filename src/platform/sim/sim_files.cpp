#include "platform/sim/sim_files.h"

#include "platform/sim/case_fold.h"

namespace vesk::platform::sim {

bool SimFiles::Exists(const std::string& path) { return files_.count(FoldCase(path)) != 0; }

bool SimFiles::Copy(const std::string& from, const std::string& to, bool overwrite) {
    auto source = files_.find(FoldCase(from));
    if (source == files_.end()) return false;
    if (!overwrite && Exists(to)) return false;
    files_[FoldCase(to)] = source->second;
    return true;
}

bool SimFiles::Delete(const std::string& path) { return files_.erase(FoldCase(path)) != 0; }

std::optional<std::vector<std::uint8_t>> SimFiles::ReadAll(const std::string& path) {
    auto file = files_.find(FoldCase(path));
    if (file == files_.end()) return std::nullopt;
    return file->second;
}

bool SimFiles::WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
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

void SimFiles::Put(const std::string& path, std::vector<std::uint8_t> bytes) {
    files_[FoldCase(path)] = std::move(bytes);
}

}  // namespace vesk::platform::sim
