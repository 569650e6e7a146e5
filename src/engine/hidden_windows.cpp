#include "engine/hidden_windows.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "engine/registry_names.h"

namespace vesk::engine {
namespace {

using platform::RegistryRoot;

// One line per window: handle and process in decimal, then the class name,
// which may hold spaces.
// Written on every switch, so built without streams.
std::string Format(const std::vector<HiddenWindowJournal::Entry>& entries) {
    std::string out;
    out.reserve(entries.size() * 48);
    char number[24];
    for (const auto& e : entries) {
        out.append(number, std::to_chars(number, number + sizeof number, e.handle).ptr);
        out += ' ';
        out.append(number, std::to_chars(number, number + sizeof number, e.process).ptr);
        out += ' ';
        out += e.className;
        out += '\n';
    }
    return out;
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
        if (known_.count(handle) || !windows_.Exists(handle)) continue;
        known_.insert(handle);
        entries_.push_back({handle, windows_.OwnerProcess(handle), windows_.ClassName(handle)});
        added = true;
    }
    if (added) Write();
}

void HiddenWindowJournal::Shown(const std::vector<platform::WindowHandle>& handles) {
    bool removed = false;
    for (auto handle : handles) removed |= known_.erase(handle) != 0;
    if (!removed) return;
    std::erase_if(entries_, [&](const Entry& e) { return !known_.count(e.handle); });
    // Not written here: a window shown again but still in the stored journal
    // is skipped at the next start because it is visible, so the store can
    // wait for the next hide or the exit, which write it anyway.
}

void HiddenWindowJournal::Clear() {
    entries_.clear();
    known_.clear();
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
    Clear();
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
