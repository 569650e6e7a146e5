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

void SimFiles::Put(const std::string& path, std::vector<std::uint8_t> bytes) {
    files_[FoldCase(path)] = std::move(bytes);
}

}  // namespace vesk::platform::sim
