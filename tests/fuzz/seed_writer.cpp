// Writes the starting corpus of every fuzz target into OUT/<target>/:
//   seed_writer OUT SKIN TIPS
// SKIN is the packed built-in skin (already in OUT/skin), TIPS the shipped
// Tips.txt. Each seed is a small input that goes all the way through its
// target, so fuzzing starts from the paths a real file takes.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "engine/hidden_windows.h"
#include "fuzz_inputs.h"
#include "jpeg_fixture.h"
#include "recorder/record_file.h"
#include "skin/skin_file.h"

using namespace vesk;
namespace fs = std::filesystem;

namespace {

fuzz::Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return fuzz::Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteSeed(const fs::path& out, const std::string& target, const std::string& name, const fuzz::Bytes& bytes) {
    fs::create_directories(out / target);
    std::ofstream file(out / target / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + (out / target / name).string());
}

// A skin of a few hundred bytes with pictures of a few pixels: nearly every
// byte a mutation changes is geometry or a picture header, where the
// built-in skin's are mostly picture data.
fuzz::Bytes SmallSkin() {
    skin::SkinFile s;
    s.outline = {{0, 0}, {64, 0}, {64, 48}, {0, 48}};
    s.drag = {0, 0, 50, 8};
    s.about = {0, 40, 10, 48};
    s.status = {12, 40, 40, 47};
    s.minimize = {52, 1, 57, 6};
    s.close = {58, 1, 63, 6};
    for (int k = 0; k < int(skin::kCommandRectCount); ++k) s.commands[std::size_t(k)] = {44, 8 + 2 * k, 63, 10 + 2 * k};
    s.selector = {4, 10, 40, 38};
    s.polygons = {{{4, 10}, {20, 10}, {4, 24}}, {{22, 24}, {40, 24}, {40, 38}, {22, 38}}};
    s.reserved = {1, 46};
    s.mainJpeg = testing::EncodeJpeg(testing::GradientPicture(16, 12), 50);
    s.dialogJpeg = testing::EncodeJpeg(testing::GradientPicture(16, 2), 50);
    return skin::SerializeSkinFile(s);
}

// A key pressed and let go, and a mouse move, a few milliseconds apart.
fuzz::Bytes Records() {
    const platform::JournalEvent events[] = {{0x100, 0x41, 0x1E, 5000, 0x1234},
                                             {0x101, 0x41, 0x1E, 5080, 0x1234},
                                             {0x200, 120, 340, 5300, 0x1238},
                                             {0x100, 0x0D, 0x1C, 5600, 0x1234}};
    fuzz::Bytes bytes;
    for (const auto& e : events) {
        const auto record = recorder::EncodeRecord(e);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

// The defaults a first start writes, saved once more, with the shell's
// wallpaper set to a picture that exists.
fuzz::Bytes SavedDefaults() {
    platform::sim::SimSystem sim;
    sim.files.Put(fuzz::kWallpaperFile);
    const auto HKCU = platform::RegistryRoot::CurrentUser;
    sim.registry.SetString(HKCU, engine::reg::kDesktopWallpaperKey, engine::reg::kWallPaperValue, fuzz::kWallpaperFile);
    sim.registry.SetString(HKCU, engine::reg::kDesktopWallpaperKey, engine::reg::kTileWallpaperValue, "0");
    sim.registry.SetString(HKCU, engine::reg::kDesktopWallpaperKey, engine::reg::kWallpaperStyleValue, "2");
    sim.registry.SetString(platform::RegistryRoot::LocalMachine, engine::reg::kRunKey, engine::reg::kRunValue, "");
    platform::Services services = sim.services();
    engine::TControlDesktop state;
    engine::LoadSettings(state, services);
    engine::SaveSettings(state, sim.registry, sim.files.ExecutablePath());
    fuzz::Bytes bytes = {0};  // flags: writable
    fuzz::ForEachSettingsValue(sim.registry, [&](std::size_t key, std::size_t name, const platform::sim::SimValue& v) {
        fuzz::PutSettingsValue(bytes, key, name, v);
    });
    return bytes;
}

// What a switch from desktop 2 and then from desktop 5 leaves behind when
// the program dies: the hidden windows of both, one of them gone since.
fuzz::Bytes Journal() {
    platform::sim::SimSystem sim;
    const auto windows = fuzz::AddJournalWindows(sim.windows);
    engine::HiddenWindowJournal journal(sim.registry, sim.windows);
    journal.WillHide(2, {windows[0], windows[1]});
    journal.WillHide(5, {windows[2], windows[3], windows[4]});
    fuzz::Bytes bytes;
    for (int d = 1; d <= 5; ++d) {
        auto value = sim.registry.Get(platform::RegistryRoot::CurrentUser, engine::reg::kRecoveryKey,
                                      engine::reg::kHiddenWindowsValue + std::to_string(d));
        bytes.push_back(value ? 1 : 0);
        if (value) fuzz::PutRun(bytes, value->text);
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: seed_writer OUT SKIN TIPS\n";
        return 2;
    }
    try {
        const fs::path out = argv[1];
        fuzz::Bytes skin = ReadFile(argv[2]);
        skin.resize(skin.size() / 2);  // cut off in the middle of the pictures
        WriteSeed(out, "skin", "truncated.qsk", skin);
        WriteSeed(out, "skin", "small.qsk", SmallSkin());
        WriteSeed(out, "record", "four-events.rkm", Records());
        WriteSeed(out, "settings", "saved-defaults", SavedDefaults());
        WriteSeed(out, "journal", "two-desktops", Journal());
        WriteSeed(out, "tips", "Tips.txt", ReadFile(argv[3]));
    } catch (const std::exception& e) {
        std::cerr << "seed_writer: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
