#include "engine/hidden_windows.h"

#include <cstring>
#include <unordered_set>

#include "engine/registry_names.h"

namespace vesk::engine {
namespace {

using platform::RegistryRoot;

std::string ValueName(int desktop) { return reg::kHiddenWindowsValue + std::to_string(desktop); }

template <typename Word>
Word Load(const char* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// A reused handle must also match the process to be shown, so a 32-bit hash
// of the class is enough to tell another window apart. It runs for every
// window of every switch, so it reads whole words, the last one overlapping
// the one before, rather than gathering a short tail through memory (which
// stalled the load after it and cost more than the platform calls).
std::uint32_t ClassHash(std::string_view className) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
    const auto mix = [&](std::uint64_t hash, std::uint64_t word) {
        hash = (hash ^ word) * kMultiplier;
        return hash ^ (hash >> 29);
    };
    const char* at = className.data();
    std::size_t left = className.size();
    std::uint64_t hash = left * kMultiplier;
    if (left >= 8) {
        for (; left > 8; at += 8, left -= 8) hash = mix(hash, Load<std::uint64_t>(at));
        hash = mix(hash, Load<std::uint64_t>(className.data() + className.size() - 8));
    } else if (left >= 4) {
        hash = mix(hash, std::uint64_t{Load<std::uint32_t>(at)} << 32 | Load<std::uint32_t>(at + left - 4));
    } else if (left > 0) {
        const auto byte = [&](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(at[i])}; };
        hash = mix(hash, byte(0) << 16 | byte(left / 2) << 8 | byte(left - 1));
    }
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// Window handles have 32 significant bits in 32- and 64-bit programs alike,
// and a 64-bit program sees them sign-extended (as WOW64 hands them over).
// Stored that way by both flavours and read back from the low 32 bits, a
// record means the same window to the PE32 and the PE32+ program, which
// share this key.
std::uint64_t StoredHandle(platform::WindowHandle handle) {
    return static_cast<std::uint64_t>(std::int64_t{static_cast<std::int32_t>(handle)});
}
platform::WindowHandle LoadedHandle(const char* record) {
    const auto low = static_cast<std::int32_t>(Load<std::uint64_t>(record));
    return static_cast<platform::WindowHandle>(static_cast<std::intptr_t>(low));
}

void Put(char* record, const HiddenWindowJournal::Entry& e) {
    const std::uint64_t handle = StoredHandle(e.handle);
    const std::uint32_t process = e.process;
    std::memcpy(record, &handle, 8);
    std::memcpy(record + 8, &process, 4);
    std::memcpy(record + 12, &e.classHash, 4);
}

}  // namespace

HiddenWindowJournal::HiddenWindowJournal(platform::Registry& registry, platform::WindowManager& windows)
    : registry_(registry), windows_(windows) {}

std::vector<HiddenWindowJournal::Entry> HiddenWindowJournal::Decode(std::string_view records) {
    std::vector<Entry> entries(records.size() / kRecordBytes);
    const char* record = records.data();
    for (Entry& e : entries) {
        e.handle = LoadedHandle(record);
        e.process = Load<std::uint32_t>(record + 8);
        e.classHash = Load<std::uint32_t>(record + 12);
        record += kRecordBytes;
    }
    return entries;
}

void HiddenWindowJournal::WillHide(int desktop, const std::vector<platform::WindowHandle>& handles) {
    std::string& records = Slot(desktop).records;
    records.resize(records.size() + handles.size() * kRecordBytes);
    char* at = records.data() + records.size() - handles.size() * kRecordBytes;
    // A window already gone gets a record too (process 0, empty class): the
    // next start skips it, and asking first would cost a call per window.
    for (auto handle : handles) {
        Put(at, {handle, windows_.OwnerProcess(handle), ClassHash(windows_.ClassName(handle))});
        at += kRecordBytes;
    }
    if (!handles.empty()) Write(desktop);
}

void HiddenWindowJournal::Entered(int desktop) {
    Slot(desktop).records.clear();
    Write(desktop);
}

void HiddenWindowJournal::Shown(const std::vector<platform::WindowHandle>& handles) {
    const std::unordered_set<platform::WindowHandle> shown(handles.begin(), handles.end());
    for (int desktop = 1; desktop <= kDesktopCount; ++desktop) {
        std::string& records = Slot(desktop).records;
        std::string kept;
        for (std::size_t at = 0; at + kRecordBytes <= records.size(); at += kRecordBytes) {
            if (!shown.count(LoadedHandle(records.data() + at))) kept.append(records, at, kRecordBytes);
        }
        if (kept.size() == records.size()) continue;
        records = std::move(kept);
        Write(desktop);
    }
}

void HiddenWindowJournal::Clear() {
    for (int desktop = 1; desktop <= kDesktopCount; ++desktop) Entered(desktop);
}

int HiddenWindowJournal::RestoreEarlierRun() {
    int shown = 0;
    if (auto key = registry_.OpenKey(RegistryRoot::CurrentUser, reg::kRecoveryKey, false)) {
        for (int desktop = 1; desktop <= kDesktopCount; ++desktop) {
            // A window listed on two desktops is shown once: the second time
            // it is visible already.
            for (const Entry& e : Decode(key->ReadBinary(ValueName(desktop)).value_or(""))) {
                if (!windows_.Exists(e.handle) || windows_.IsVisible(e.handle)) continue;
                if (windows_.OwnerProcess(e.handle) != e.process || ClassHash(windows_.ClassName(e.handle)) != e.classHash) {
                    continue;
                }
                windows_.Show(e.handle);
                ++shown;
            }
            Slot(desktop).stored = true;
        }
    }
    Clear();
    return shown;
}

// A desktop with nothing stored and nothing to store costs no registry call.
void HiddenWindowJournal::Write(int desktop) {
    DesktopEntries& slot = Slot(desktop);
    if (slot.records.empty() && !slot.stored) return;
    if (auto key = registry_.OpenKey(RegistryRoot::CurrentUser, reg::kRecoveryKey, true)) {
        if (key->WriteBinary(ValueName(desktop), slot.records)) slot.stored = !slot.records.empty();
    }
}

}  // namespace vesk::engine
