// How long Vesk.exe takes to start under Wine, against a one-window Win32
// program (vesk_minimal_window.exe) started the same way: from CreateProcess
// to (a) its main window existing and (b) ready, that is its hotkeys
// registered and desktop 1 collected, which the main window tells by
// answering the "Vesk.StartedUp" message with 1. Rounds alternate between the
// two programs; medians and ratios are printed, and the ratios once more on a
// "startup-ratios" line that scripts/lib/bench-check reads.
//   vesk_startup_bench          on a quiet machine
//   vesk_startup_bench --busy   with a thread spinning on another core
#include "platform/win32/windows_api.h"

#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "platform/win32/precise_clock.h"
#include "started_program.h"

namespace vesk::bench {
namespace {

using platform::win32::PreciseNowMs;

constexpr int kRounds = 9;
// A fresh Wine session is still starting its services for a while; the
// first rounds would measure that.
constexpr int kWarmUpRounds = 2;
constexpr DWORD kStartLimitMs = 30000;
constexpr double kMainWindowTarget = 1.2;
constexpr double kReadyTarget = 1.5;

// Milliseconds from `since` until done() holds, polling every millisecond;
// nullopt past the limit.
template <typename Done>
std::optional<double> MsUntil(double since, Done done) {
    while (!done()) {
        if (PreciseNowMs() - since > kStartLimitMs) return std::nullopt;
        Sleep(1);
    }
    return PreciseNowMs() - since;
}

std::optional<double> TrivialWindowMs() {
    const double start = PreciseNowMs();
    const StartedProgram program(L"vesk_minimal_window.exe");
    if (!program.started()) return std::nullopt;
    return MsUntil(start, [&] {
        return FindWindowOf(program, L"VeskMinimalWindow", L"Vesk minimal window", false) != nullptr;
    });
}

struct VeskTimes {
    double mainWindowMs;
    double readyMs;
};

std::optional<VeskTimes> VeskStartMs(UINT startedUpMessage) {
    PrepareVeskSettings();
    const double start = PreciseNowMs();
    const StartedProgram vesk(L"Vesk.exe");
    if (!vesk.started()) return std::nullopt;
    HWND main = nullptr;
    const auto mainWindow = MsUntil(start, [&] { return (main = FindWindowOf(vesk, L"TForm1", L"Vesk1.2", false)); });
    if (!mainWindow) return std::nullopt;
    const auto ready = MsUntil(start, [&] {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutW(main, startedUpMessage, 0, 0, SMTO_ABORTIFHUNG, 100, &answer) != 0 && answer == 1;
    });
    if (!ready) return std::nullopt;
    return VeskTimes{*mainWindow, *ready};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Run(bool busy) {
    timeBeginPeriod(1);
    std::atomic<bool> stop{false};
    std::optional<std::thread> spinner;
    if (busy) spinner.emplace([&] { while (!stop.load(std::memory_order_relaxed)) {} });
    const UINT startedUpMessage = RegisterWindowMessageW(L"Vesk.StartedUp");
    std::vector<double> trivial, mainWindow, ready;
    for (int round = -kWarmUpRounds; round < kRounds; ++round) {
        const auto trivialMs = TrivialWindowMs();
        Sleep(200);
        const auto veskMs = VeskStartMs(startedUpMessage);
        Sleep(200);
        if (round < 0) continue;
        if (trivialMs) trivial.push_back(*trivialMs);
        if (veskMs) {
            mainWindow.push_back(veskMs->mainWindowMs);
            ready.push_back(veskMs->readyMs);
        }
    }
    stop = true;
    if (spinner) spinner->join();
    timeEndPeriod(1);

    std::printf("Start-up under Wine%s: milliseconds from CreateProcess, median of %d alternating rounds\n",
                busy ? ", the other core busy" : "", kRounds);
    if (trivial.empty() || mainWindow.empty()) {
        std::printf("  a program did not start (trivial %zu, Vesk %zu rounds)\n", trivial.size(), mainWindow.size());
        return 1;
    }
    const double base = Median(trivial);
    std::printf("  %-34s %7.0f\n", "one-window program: window exists", base);
    std::printf("  %-34s %7.0f  ratio %.2f (target %.1f)\n", "Vesk: main window exists", Median(mainWindow),
                Median(mainWindow) / base, kMainWindowTarget);
    std::printf("  %-34s %7.0f  ratio %.2f (target %.1f)\n", "Vesk: hotkeys in, desktop 1 known", Median(ready),
                Median(ready) / base, kReadyTarget);
    std::printf("startup-ratios main-window %.3f ready %.3f\n", Median(mainWindow) / base, Median(ready) / base);
    std::fflush(stdout);
    return 0;
}

}  // namespace
}  // namespace vesk::bench

int main(int argc, char** argv) { return vesk::bench::Run(argc == 2 && std::strcmp(argv[1], "--busy") == 0); }
