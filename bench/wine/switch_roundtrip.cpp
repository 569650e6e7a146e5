// A desktop round trip under Wine against the bare window calls it stands
// on. Desktop 1 holds N windows of another process; the engine leaves for an
// empty desktop 2 and comes back, and the clock stops once every window is
// really hidden and then really shown again (the engine hides and shows
// other programs' windows asynchronously). For comparison the same windows
// are hidden and shown by plain ShowWindow, which waits for the owner each
// time, by ShowWindowAsync and by asynchronous SetWindowPos. Prints medians;
// checks no timing.
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "engine/desktop_switch.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "../silent_ui.h"
#include "playback_pace.h"
#include "window_host.h"

namespace vesk::bench {
namespace {

// Single round trips of the same loop vary by a factor of two or three (the
// other process answers when Wine schedules it), so the medians take as many
// runs as the time allows: cheap at 10 windows, a second each at 200.
struct WindowCount {
    int windows;
    int runs;
};
constexpr WindowCount kWindowCounts[] = {{10, 15}, {50, 9}, {200, 7}};
// Longest wait for windows to reach a state before a run counts as failed.
constexpr double kSettleLimitMs = 10000;

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double ElapsedMs() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
               static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
    LARGE_INTEGER start_;
};

// Polls until every window has the wanted visibility; false after the limit.
// Windows settle in the order they were asked, so a pass resumes at the
// first one that had not.
bool WaitUntilAll(const std::vector<HWND>& windows, bool visible, const Stopwatch& clock, double limitMs) {
    std::size_t settled = 0;
    while (true) {
        while (settled < windows.size() && (IsWindowVisible(windows[settled]) != FALSE) == visible) ++settled;
        if (settled == windows.size()) {
            // A late one may have flipped back; confirm the whole set once.
            const bool all = std::all_of(windows.begin(), windows.end(),
                                         [&](HWND w) { return (IsWindowVisible(w) != FALSE) == visible; });
            if (all) return true;
            settled = 0;
        }
        if (clock.ElapsedMs() > limitMs) return false;
        Sleep(1);
    }
}

using bench::NoView;
using bench::OkPrompt;

// The engine with the real system, as Vesk runs it, minus the main window.
struct Engine {
    Engine() {
        state.TaskbarWindow = services.windows.FindByClass("Shell_TrayWnd");
        state.DesktopIconsWindow = services.windows.FindByClass("Progman");
    }
    ~Engine() { journal.Clear(); }

    platform::win32::Win32System system;
    platform::Services& services = system.services();
    engine::TControlDesktop state;
    OkPrompt prompt;
    NoView view;
    engine::HiddenWindowJournal journal{services.registry, services.windows};
    engine::DesktopContext context{state, services, prompt, view, journal};
};

struct Timing {
    double totalMs = 0;  // until every window had changed state
    double callsMs = 0;  // inside the calls themselves
};

std::optional<Timing> EngineRoundTrip(Engine& engine, const std::vector<HWND>& windows) {
    Timing timing;
    const Stopwatch clock;
    engine::SwitchDesktop(engine.context, 2);
    timing.callsMs += clock.ElapsedMs();
    if (!WaitUntilAll(windows, false, clock, kSettleLimitMs)) return std::nullopt;
    const double back = clock.ElapsedMs();
    engine::SwitchDesktop(engine.context, 1);
    timing.callsMs += clock.ElapsedMs() - back;
    if (!WaitUntilAll(windows, true, clock, 2 * kSettleLimitMs)) return std::nullopt;
    timing.totalMs = clock.ElapsedMs();
    return timing;
}

std::optional<Timing> ShowWindowRoundTrip(const std::vector<HWND>& windows, int hide, int show,
                                          BOOL(WINAPI* call)(HWND, int)) {
    Timing timing;
    const Stopwatch clock;
    for (HWND w : windows) call(w, hide);
    timing.callsMs += clock.ElapsedMs();
    if (!WaitUntilAll(windows, false, clock, kSettleLimitMs)) return std::nullopt;
    const double back = clock.ElapsedMs();
    for (HWND w : windows) call(w, show);
    timing.callsMs += clock.ElapsedMs() - back;
    if (!WaitUntilAll(windows, true, clock, 2 * kSettleLimitMs)) return std::nullopt;
    timing.totalMs = clock.ElapsedMs();
    return timing;
}

// SetWindowPos posted to the owner's thread, without activating or moving
// the window in the Z order: the cheapest asynchronous hide and show there is.
BOOL WINAPI SetWindowPosAsync(HWND window, int command) {
    const UINT show = command == SW_HIDE ? SWP_HIDEWINDOW : SWP_SHOWWINDOW;
    return SetWindowPos(window, nullptr, 0, 0, 0, 0,
                        show | SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

// Median of the runs that finished; nullopt when none did.
struct Summary {
    std::optional<double> totalMs;
    std::optional<double> callsMs;
    int failed = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Summary Summarize(const std::vector<std::optional<Timing>>& runs) {
    std::vector<double> totals;
    std::vector<double> calls;
    Summary summary;
    for (const auto& run : runs) {
        if (!run) {
            ++summary.failed;
            continue;
        }
        totals.push_back(run->totalMs);
        calls.push_back(run->callsMs);
    }
    if (!totals.empty()) {
        summary.totalMs = Median(totals);
        summary.callsMs = Median(calls);
    }
    return summary;
}

std::string Cell(const std::optional<double>& ms) {
    if (!ms) return "timeout";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", *ms);
    return text;
}

std::string Ratio(const std::optional<double>& a, const std::optional<double>& b) {
    if (!a || !b || *b <= 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", *a / *b);
    return text;
}

void MeasureWindowCount(int count, int runs) {
    const WindowHostProcess host(count);
    const std::vector<HWND>& windows = host.windows();
    if (static_cast<int>(windows.size()) != count) {
        std::printf("%5d  the window host showed %zu of %d windows; skipped\n", count, windows.size(), count);
        return;
    }
    Engine engine;
    // A first trip outside the count: registry keys, journal and caches.
    if (!EngineRoundTrip(engine, windows)) {
        std::printf("%5d  the windows did not settle after a desktop switch; skipped\n", count);
        return;
    }
    const std::size_t collected = engine.state.Desktop(1).WindowList.size();

    std::vector<std::optional<Timing>> engineRuns, syncRuns, asyncShowRuns, asyncShowNaRuns, setPosRuns;
    for (int i = 0; i < runs; ++i) {
        engineRuns.push_back(EngineRoundTrip(engine, windows));
        syncRuns.push_back(ShowWindowRoundTrip(windows, SW_HIDE, SW_SHOW, ShowWindow));
        asyncShowRuns.push_back(ShowWindowRoundTrip(windows, SW_HIDE, SW_SHOW, ShowWindowAsync));
        asyncShowNaRuns.push_back(ShowWindowRoundTrip(windows, SW_HIDE, SW_SHOWNA, ShowWindowAsync));
        setPosRuns.push_back(ShowWindowRoundTrip(windows, SW_HIDE, SW_SHOWNA, SetWindowPosAsync));
    }
    const Summary e = Summarize(engineRuns);
    const Summary s = Summarize(syncRuns);
    const Summary a = Summarize(asyncShowRuns);
    const Summary n = Summarize(asyncShowNaRuns);
    const Summary p = Summarize(setPosRuns);
    std::printf("%5d  %8s %8s  %10s  %7s  %10s  %10s  %7s  %10s", count, Cell(e.totalMs).c_str(),
                Cell(e.callsMs).c_str(), Cell(s.totalMs).c_str(), Ratio(e.totalMs, s.totalMs).c_str(),
                Cell(a.totalMs).c_str(), Cell(n.totalMs).c_str(), Ratio(e.totalMs, n.totalMs).c_str(),
                Cell(p.totalMs).c_str());
    if (collected != windows.size()) std::printf("  (desktop 1 listed %zu windows)", collected);
    if (e.failed + s.failed + a.failed + n.failed + p.failed > 0) {
        std::printf("  (runs that never settled: engine %d, ShowWindow %d, async %d, async SW_SHOWNA %d, "
                    "SetWindowPos %d)",
                    e.failed, s.failed, a.failed, n.failed, p.failed);
    }
    std::printf("\n");
    std::fflush(stdout);
}

int RunBenchmark() {
    std::printf("Desktop round trip 1 -> 2 -> 1 under Wine with N windows of another process:\n"
                "milliseconds until every window was hidden and then shown again, median of %d, %d and %d runs.\n"
                "  engine     SwitchDesktop(2) then SwitchDesktop(1), real Win32System\n"
                "  in calls   the part of it spent inside the two SwitchDesktop calls\n"
                "  ShowWindow a bare loop of ShowWindow SW_HIDE, then SW_SHOW (waits for the owner)\n"
                "  ratio      engine / ShowWindow\n"
                "  async      bare loops of ShowWindowAsync SW_HIDE, then SW_SHOW\n"
                "  async NA   the same with SW_SHOWNA (shows without activating, as the engine)\n"
                "  NA ratio   engine / async NA\n"
                "  SWP async  bare loops of SetWindowPos SWP_HIDEWINDOW, then SWP_SHOWWINDOW, with\n"
                "             SWP_ASYNCWINDOWPOS | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE\n\n",
                kWindowCounts[0].runs, kWindowCounts[1].runs, kWindowCounts[2].runs);
    std::printf("%5s  %8s %8s  %10s  %7s  %10s  %10s  %7s  %10s\n", "N", "engine", "in calls", "ShowWindow", "ratio",
                "async", "async NA", "NA ratio", "SWP async");
    for (const WindowCount& count : kWindowCounts) MeasureWindowCount(count.windows, count.runs);
    return 0;
}

}  // namespace
}  // namespace vesk::bench

// vesk_wine_bench                        runs the benchmark
// vesk_wine_bench --windows N READY QUIT  the window host it starts
int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--windows") == 0) {
        return vesk::bench::RunWindowHost(std::atoi(argv[2]), vesk::platform::win32::Widen(argv[3]),
                                          vesk::platform::win32::Widen(argv[4]));
    }
    const int status = vesk::bench::RunBenchmark();
    vesk::bench::RunPlaybackPace();
    return status;
}
