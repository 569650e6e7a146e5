#pragma once
// How the settings and journal targets turn their bytes into registry
// contents. The seed writer encodes with the same tables, so a seed always
// means to a target what it was written to mean.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/control_desktop.h"
#include "engine/registry_names.h"
#include "platform/sim/sim_system.h"

namespace vesk::fuzz {

using Bytes = std::vector<std::uint8_t>;
using platform::RegistryRoot;
using platform::WindowHandle;
using platform::sim::SimRegistry;
using platform::sim::SimValue;
using platform::sim::ValueType;

// Takes bytes from the front. Past the end it gives zeros and empty runs, so
// that every input, however cut, means something.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ >= bytes_.size(); }
    std::uint8_t Byte() { return AtEnd() ? 0 : bytes_[at_++]; }
    std::uint32_t Dword() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= std::uint32_t{Byte()} << (8 * i);
        return value;
    }
    // Up to 255 bytes, their count first.
    std::string Run() {
        const std::size_t count = std::min<std::size_t>(Byte(), bytes_.size() - at_);
        std::string run(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                        bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + count));
        at_ += count;
        return run;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

inline void PutDword(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}
inline void PutRun(Bytes& out, std::string_view run) {
    run = run.substr(0, 255);
    out.push_back(std::uint8_t(run.size()));
    out.insert(out.end(), run.begin(), run.end());
}

// --- settings: records of key, value name, type and data -------------------

struct KeyPlace {
    RegistryRoot root;
    std::string path;
};

// Every key the settings are read from or written to, the shell's wallpaper
// keys included: the start-up wallpaper is what an absent one becomes.
inline const std::vector<KeyPlace>& SettingsKeys() {
    static const std::vector<KeyPlace> keys = [] {
        std::vector<KeyPlace> k = {{RegistryRoot::LocalMachine, engine::reg::kCommonKey},
                                   {RegistryRoot::LocalMachine, engine::reg::kVeskKey},
                                   {RegistryRoot::LocalMachine, engine::reg::kRunKey},
                                   {RegistryRoot::CurrentUser, engine::reg::kDesktopWallpaperKey},
                                   {RegistryRoot::CurrentUser, engine::reg::kIeWallpaperKey}};
        for (int n = 1; n <= engine::kDesktopCount; ++n) {
            k.push_back({RegistryRoot::LocalMachine, engine::reg::DesktopKey(n)});
        }
        return k;
    }();
    return keys;
}

// The names of the values under the settings keys, both spellings of Forwhat
// among them. A seed names a value by its index here.
inline constexpr const char* kSettingsValueNames[] = {
    engine::reg::kDesktopNum, "AutoRun", "UseControlPassword", "ExitMainWindow", "ControlPassword",
    "SettingPassword", "ControlHot1", "ControlHot2", "Setting1", "Setting2", "Record1", "Record2", "Play1",
    "Play2", "ShowHelp", "RecordHint", "ShowIcon", "MaxSize", "DesktopHot", "Wallpaper", "TileWall",
    "Password", "Forwhat", "ForWhat", "ProgWnd", "TrayWnd", "Volume", engine::reg::kRunValue,
    engine::reg::kWallPaperValue, engine::reg::kTileWallpaperValue, engine::reg::kWallpaperStyleValue,
    // Added later: at the end, so that the seeds kept keep their meaning.
    "Name", "TrayNumber"};
inline constexpr std::size_t kSettingsValueNameCount = std::size(kSettingsValueNames);

// A picture that exists on the simulated disk, so that a stored wallpaper
// path can name a real file and be taken as the start-up wallpaper.
inline constexpr const char* kWallpaperFile = "C:\\pics\\start.bmp";

// Per record: key index, name index, type (0 dword, 1 string, 2 binary),
// then four bytes or a run. Indexes wrap around their tables.
inline void FillSettingsRegistry(ByteReader& in, SimRegistry& registry) {
    while (!in.AtEnd()) {
        const KeyPlace& key = SettingsKeys()[in.Byte() % SettingsKeys().size()];
        SimValue value;
        value.name = kSettingsValueNames[in.Byte() % kSettingsValueNameCount];
        switch (in.Byte() % 3) {
            case 0: value.type = ValueType::Dword, value.dword = in.Dword(); break;
            case 1: value.type = ValueType::String, value.text = in.Run(); break;
            default: value.type = ValueType::Binary, value.text = in.Run(); break;
        }
        registry.Set(key.root, key.path, std::move(value));
    }
}

inline void PutSettingsValue(Bytes& out, std::size_t key, std::size_t name, const SimValue& value) {
    out.push_back(std::uint8_t(key));
    out.push_back(std::uint8_t(name));
    switch (value.type) {
        case ValueType::Dword: out.push_back(0), PutDword(out, value.dword); break;
        case ValueType::String: out.push_back(1), PutRun(out, value.text); break;
        case ValueType::Binary: out.push_back(2), PutRun(out, value.text); break;
    }
}

// fn(key index, name index, value) for every value of the tables present.
template <typename Fn>
void ForEachSettingsValue(const SimRegistry& registry, Fn fn) {
    for (std::size_t k = 0; k < SettingsKeys().size(); ++k) {
        for (std::size_t n = 0; n < kSettingsValueNameCount; ++n) {
            const KeyPlace& key = SettingsKeys()[k];
            if (auto value = registry.Get(key.root, key.path, kSettingsValueNames[n])) fn(k, n, *value);
        }
    }
}

// --- journal: one value per desktop ----------------------------------------

// The windows present when the journal is restored: hidden ones it may owe
// back (class names of 2, 7 and 13 letters take each way through the class
// hash), a visible one, and one that is gone.
inline std::vector<WindowHandle> AddJournalWindows(platform::sim::SimWindows& windows) {
    std::vector<WindowHandle> handles = {windows.Create("Ab", "short class", false, 200),
                                         windows.Create("Notepad", "notes", false, 300),
                                         windows.Create("CabinetWClass", "folder", false, 300),
                                         windows.Create("ConsoleWindowClass", "console", true, 400),
                                         windows.Create("Gone", "closed", false, 500)};
    windows.Destroy(handles.back());
    return handles;
}

// Per desktop 1..9 in turn, until the bytes end: a kind (0 absent, 1 binary,
// 2 string, 3 dword) and then a run or four bytes. Any byte at all creates
// the recovery key.
inline void FillJournalRegistry(ByteReader& in, SimRegistry& registry) {
    if (in.AtEnd()) return;
    registry.CreateKey(RegistryRoot::CurrentUser, engine::reg::kRecoveryKey);
    for (int desktop = 1; desktop <= engine::kDesktopCount && !in.AtEnd(); ++desktop) {
        SimValue value;
        value.name = engine::reg::kHiddenWindowsValue + std::to_string(desktop);
        switch (in.Byte() % 4) {
            case 0: continue;
            case 1: value.type = ValueType::Binary, value.text = in.Run(); break;
            case 2: value.type = ValueType::String, value.text = in.Run(); break;
            default: value.type = ValueType::Dword, value.dword = in.Dword(); break;
        }
        registry.Set(RegistryRoot::CurrentUser, engine::reg::kRecoveryKey, std::move(value));
    }
}

}  // namespace vesk::fuzz
