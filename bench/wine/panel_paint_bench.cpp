// The main window's paint at 200 % against the same paint at 100 %, under
// Wine: the built-in skin's panel put together off screen and copied to a
// window of its size, as WM_PAINT does, beside the bare copy of the picture
// to the window. The pictures are scaled once per scale, so a paint at 200 %
// only moves four times the pixels of one at 100 % and writes the same text;
// the target is at most twice the time. Also prints what scaling the panel
// once costs, which a paint must never pay. Prints medians; checks no
// timing.
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <optional>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "skin/desk_skin.h"
#include "ui/main/panel_pictures.h"

namespace vesk::bench {
namespace {

constexpr int kPaintsPerRound = 200;
constexpr int kRounds = 7;
constexpr double kTargetRatio = 2.0;

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string ProgramDir() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string dir = platform::win32::Narrow(path);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

// A window to paint into, of the panel's size, as the main window is.
class Target {
public:
    Target(int width, int height) {
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        dc_ = GetDC(window_);
    }
    ~Target() {
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
    }
    HDC dc() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

struct Panel {
    Panel(const skin::TDeskSkin& skin, const image::RgbImage& picture, int dpi, platform::Regions& regions)
        : panel(pictures.skin(), pictures.regions(), regions) {
        const double start = NowMs();
        pictures.SetPicture(picture);
        pictures.Scale(skin, platform::DisplayScale(dpi), regions);
        pictures.ShowOutlines();
        // Every desktop visited: eight black outlines and the current red one.
        for (int desktop = 2; desktop <= 9; ++desktop) pictures.DrawSelectorOutline(desktop, false);
        pictures.DrawSelectorOutline(1, true);
        scaleMs = NowMs() - start;
        target.emplace(pictures.background()->width(), pictures.background()->height());
    }
    // Milliseconds per paint over one round.
    double PaintRound() const {
        GdiFlush();
        const double start = NowMs();
        for (int i = 0; i < kPaintsPerRound; ++i) pictures.Paint(target->dc(), panel);
        GdiFlush();
        return (NowMs() - start) / kPaintsPerRound;
    }
    // The least a paint can cost: the picture copied to the window.
    double CopyRound() const {
        GdiFlush();
        const double start = NowMs();
        for (int i = 0; i < kPaintsPerRound; ++i) pictures.background()->CopyTo(target->dc(), 0, 0);
        GdiFlush();
        return (NowMs() - start) / kPaintsPerRound;
    }

    ui::PanelPictures pictures;
    ui::MainPanelModel panel;
    std::optional<Target> target;
    double scaleMs = 0;
};

int Run() {
    platform::win32::Win32System system;
    platform::Services& services = system.services();
    skin::TDeskSkin skin;
    skin::SkinRegions regions;
    image::RgbImage picture, dialog;
    const std::string dir = ProgramDir();
    const skin::SkinResult loaded = skin::LoadSkin(dir + "Default.skin.QSK", dir + "Vesk.exe", services.files,
                                                   services.regions, skin, regions, picture, dialog);
    if (!loaded) {
        std::printf("the built-in skin did not load (%s); nothing measured\n", skin::SkinStatusName(loaded.status));
        return 1;
    }
    {
        // GDI loads its fonts on the first one made: not a cost of scaling.
        const Panel warmUp(skin, picture, 120, services.regions);
    }
    const Panel normal(skin, picture, 96, services.regions);
    const Panel doubled(skin, picture, 192, services.regions);
    normal.PaintRound();  // fonts and glyphs are made on first use
    doubled.PaintRound();
    std::vector<double> normalMs, doubledMs, normalCopyMs, doubledCopyMs;
    for (int round = 0; round < kRounds; ++round) {
        normalMs.push_back(normal.PaintRound());
        doubledMs.push_back(doubled.PaintRound());
        normalCopyMs.push_back(normal.CopyRound());
        doubledCopyMs.push_back(doubled.CopyRound());
    }
    const double paintRatio = Median(doubledMs) / Median(normalMs);
    const double copyRatio = Median(doubledCopyMs) / Median(normalCopyMs);
    // The panel's own work: what a paint costs beyond the copy to the window.
    const double ownNormal = Median(normalMs) - Median(normalCopyMs);
    const double ownDoubled = Median(doubledMs) - Median(doubledCopyMs);
    std::printf("Main window paint under Wine, built-in skin, median of %d rounds of %d paints:\n", kRounds,
                kPaintsPerRound);
    std::printf("  %-44s %10s %10s %8s\n", "ms per paint", "100 %", "200 %", "ratio");
    std::printf("  %-44s %10.3f %10.3f %8.2f\n", "whole paint (put together, copied to window)", Median(normalMs),
                Median(doubledMs), paintRatio);
    std::printf("  %-44s %10.3f %10.3f %8.2f\n", "bare copy of the picture to the window", Median(normalCopyMs),
                Median(doubledCopyMs), copyRatio);
    std::printf("  %-44s %10.3f %10.3f %8.2f\n", "the panel's own work (paint - bare copy)", ownNormal, ownDoubled,
                ownDoubled / ownNormal);
    std::printf("  200 %% / 100 %%: %.2f (target: at most %.1f: %s)\n", paintRatio, kTargetRatio,
                paintRatio <= kTargetRatio ? "met" : "missed");
    std::printf("  scaling the panel once: %.1f ms at 100 %%, %.1f ms at 200 %% (at a change of scale, never in a "
                "paint)\n",
                normal.scaleMs, doubled.scaleMs);
    skin::FreeSkin(skin, regions);
    return 0;
}

}  // namespace
}  // namespace vesk::bench

int main() { return vesk::bench::Run(); }
