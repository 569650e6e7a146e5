#include "engine/hidden_windows.h"

#include <algorithm>
#include <sstream>

#include "engine/registry_names.h"

namespace vesk::engine {
namespace {

using platform::RegistryRoot;

// One line per window: handle and process in decimal, then the class name,
// which may hold spaces.
std::string Format(const std::vector<HiddenWindowJournal::Entry>& entries) {
    std::ostringstream out;
    for (const auto& e : entries) out << e.handle << ' ' << e.process << ' ' << e.className << '\n';
    return out.str();
}

std::vector<HiddenWindowJournal::Entry> Parse(const std::string& text) {
    std::vector<HiddenWindowJournal::Entry> entries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        HiddenWindowJournal::Entry e;
        if (!(in >> e.handle >> e.process)) continue;  // a damaged line is skipped
        in.get();
        std::getline(in, e.className);
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace

HiddenWindowJournal::HiddenWindowJournal(platform::Registry& registry, platform::WindowManager& windows)
    : registry_(registry), windows_(windows) {}

void HiddenWindowJournal::WillHide(const std::vector<platform::WindowHandle>& handles) {
    bool added = false;
    for (auto handle : handles) {
        const bool known = std::any_of(entries_.begin(), entries_.end(),
                                       [handle](const Entry& e) { return e.handle == handle; });
        if (known || !windows_.Exists(handle)) continue;
        entries_.push_back({handle, windows_.OwnerProcess(handle), windows_.ClassName(handle)});
        added = true;
    }
    if (added) Write();
}

void HiddenWindowJournal::Shown(const std::vector<platform::WindowHandle>& handles) {
    const auto before = entries_.size();
    std::erase_if(entries_, [&](const Entry& e) {
        return std::find(handles.begin(), handles.end(), e.handle) != handles.end();
    });
    if (entries_.size() != before) Write();
}

void HiddenWindowJournal::Clear() {
    entries_.clear();
    Write();
}

int HiddenWindowJournal::RestoreEarlierRun() {
    int shown = 0;
    for (const Entry& e : Read()) {
        if (!windows_.Exists(e.handle) || windows_.IsVisible(e.handle)) continue;
        if (windows_.OwnerProcess(e.handle) != e.process || windows_.ClassName(e.handle) != e.className) continue;
        windows_.Show(e.handle);
        ++shown;
    }
    entries_.clear();
    Write();
    return shown;
}

void HiddenWindowJournal::Write() {
    if (auto key = registry_.OpenKey(RegistryRoot::CurrentUser, reg::kRecoveryKey, true)) {
        key->WriteString(reg::kHiddenWindowsValue, Format(entries_));
    }
}

std::vector<HiddenWindowJournal::Entry> HiddenWindowJournal::Read() {
    auto key = registry_.OpenKey(RegistryRoot::CurrentUser, reg::kRecoveryKey, false);
    if (!key) return {};
    return Parse(key->ReadString(reg::kHiddenWindowsValue).value_or(""));
}

}  // namespace vesk::engine
