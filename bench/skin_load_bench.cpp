// Loading the built-in skin should cost little more than decoding its two
// pictures: everything else is a few hundred bytes of geometry.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <iterator>

#include "platform/sim/sim_system.h"
#include "skin/desk_skin.h"
#include "image/jpeg_decoder.h"

namespace {

using namespace vesk;
using Bytes = std::vector<std::uint8_t>;

Bytes DefaultSkin() {
    std::ifstream in(VESK_DEFAULT_SKIN, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void DecodePictures(const skin::SkinFile& file) {
    image::RgbImage main, dialog;
    image::DecodeJpeg(file.mainJpeg, main);
    image::DecodeJpeg(file.dialogJpeg, dialog);
    benchmark::DoNotOptimize(main.pixels.data());
    benchmark::DoNotOptimize(dialog.pixels.data());
}

void LoadAndFree(benchmark::State& state, platform::sim::SimSystem& sim, const std::string& skinPath,
                 const std::string& programPath) {
    skin::TDeskSkin loaded;
    skin::SkinRegions regions{};
    image::RgbImage main, dialog;
    if (!skin::LoadSkin(skinPath, programPath, sim.files, sim.regions, loaded, regions, main, dialog)) {
        state.SkipWithError("load failed");
    }
    skin::FreeSkin(loaded, regions);
}

// A program image of realistic size with the built-in skin appended behind it.
// With no skin file beside it, the load falls back to that one.
constexpr const char* kProgram = "C:\\Vesk\\Vesk.exe";
constexpr const char* kSkinBesideProgram = "C:\\Vesk\\Default.QSK";
void PutProgramWithBuiltInSkin(platform::sim::SimSystem& sim) {
    Bytes exe(1500 * 1024, 0x90);
    const Bytes skinBytes = DefaultSkin();
    exe.insert(exe.end(), skinBytes.begin(), skinBytes.end());
    const auto trailer = skin::MakeTrailer(skinBytes.size());
    exe.insert(exe.end(), trailer.begin(), trailer.end());
    sim.files.Put(kProgram, std::move(exe));
}

// Loading and bare decoding take turns and each is timed, so that a change of
// machine speed hits both alike: run as two benchmarks, on a shared 2-core
// machine their best runs strayed by as much as the limit between them.
void BM_LoadSkinAgainstDecoding(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    platform::sim::SimSystem sim;
    PutProgramWithBuiltInSkin(sim);
    skin::SkinFile file;
    if (!skin::ParseSkinFile(DefaultSkin(), file)) state.SkipWithError("default skin unreadable");
    Clock::duration decoding{}, loading{};
    for (auto _ : state) {
        const auto start = Clock::now();
        DecodePictures(file);
        const auto decoded = Clock::now();
        LoadAndFree(state, sim, kSkinBesideProgram, kProgram);
        loading += Clock::now() - decoded;
        decoding += decoded - start;
    }
    const double loads = double(state.iterations());
    state.counters["decode_us"] = std::chrono::duration<double, std::micro>(decoding).count() / loads;
    state.counters["load_us"] = std::chrono::duration<double, std::micro>(loading).count() / loads;
}
BENCHMARK(BM_LoadSkinAgainstDecoding)->Unit(benchmark::kMicrosecond);

void BM_LoadSkin(benchmark::State& state) {
    platform::sim::SimSystem sim;
    PutProgramWithBuiltInSkin(sim);
    for (auto _ : state) LoadAndFree(state, sim, kSkinBesideProgram, kProgram);
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMicrosecond);

// The frame header of a JPEG picture made to claim another size.
Bytes ClaimingSize(Bytes jpeg, std::uint16_t width, std::uint16_t height) {
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] != 0xFF || jpeg[i + 1] < 0xC0 || jpeg[i + 1] > 0xC2) continue;
        jpeg[i + 5] = std::uint8_t(height >> 8), jpeg[i + 6] = std::uint8_t(height);
        jpeg[i + 7] = std::uint8_t(width >> 8), jpeg[i + 8] = std::uint8_t(width);
        break;
    }
    return jpeg;
}

// The worst a small skin beside the program can ask for: both pictures
// claiming the largest size allowed, with the built-in skin's few bytes of
// picture data behind them.
void BM_LoadSkinClaimingTheLargestPictures(benchmark::State& state) {
    skin::SkinFile file;
    if (!skin::ParseSkinFile(DefaultSkin(), file)) state.SkipWithError("default skin unreadable");
    const std::int32_t side = skin::kMaxMainPictureSide;
    file.outline = {{0, 0}, {side, 0}, {side, side}, {0, side}};
    file.mainJpeg = ClaimingSize(file.mainJpeg, side, side);
    file.dialogJpeg = ClaimingSize(file.dialogJpeg, skin::kMaxTitleWidth, skin::kMaxTitleHeight);
    platform::sim::SimSystem sim;
    sim.files.Put(kSkinBesideProgram, skin::SerializeSkinFile(file));
    for (auto _ : state) LoadAndFree(state, sim, kSkinBesideProgram, "");
}
BENCHMARK(BM_LoadSkinClaimingTheLargestPictures)->Unit(benchmark::kMicrosecond);

}  // namespace
