// A recording of 500 pointer moves 2 ms apart, played back by the recorder
// under Wine: the time from the play command to the end of the playback
// against the 998 ms the moves took when recorded. For comparison, the same
// pauses waited one by one with SetTimer, as playback once did. Prints
// medians and ratios; checks no timing.
#include "playback_pace.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../silent_ui.h"
#include "platform/win32/precise_clock.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "recorder/record_file.h"
#include "recorder/recorder.h"

namespace vesk::bench {
namespace {

using platform::win32::PreciseNowMs;

constexpr int kMoves = 500;
constexpr std::uint32_t kStepMs = 2;
constexpr int kRuns = 5;
constexpr int kTimerWaits = 100;  // SetTimer rounds each wait up; fewer suffice to see by how much
constexpr DWORD kRunLimitMs = 10000;

// Handles messages until done() holds or the limit passes; false then.
template <typename Done>
bool PumpUntil(Done done) {
    const double deadline = PreciseNowMs() + kRunLimitMs;
    while (!done()) {
        if (PreciseNowMs() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG message;
        while (!done() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return true;
}

class PlaybackView : public recorder::RecorderView {
public:
    explicit PlaybackView(std::string file) : file_(std::move(file)) {}
    std::string RecordCaption() override { return recorder::kRecordIdle; }
    void SetRecordCaptions(const std::string&, const std::string&) override {}
    std::string PlayCaption() override { return playCaption; }
    void SetPlayCaptions(const std::string& label, const std::string&) override { playCaption = label; }
    std::optional<std::string> ChooseFileToRecord() override { return std::nullopt; }
    std::optional<std::string> ChooseFileToPlay() override { return file_; }
    void HideMainWindow() override {}
    void SendRecordDone() override {
        endedAt = PreciseNowMs();
        if (recorder != nullptr) recorder->RecordDone();
    }

    std::string playCaption = recorder::kPlayIdle;
    recorder::Recorder* recorder = nullptr;
    double endedAt = 0;

private:
    std::string file_;
};

// One record more than is played: the last record only ends the playback.
std::vector<std::uint8_t> PointerMoves() {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i <= kMoves; ++i) {
        const recorder::RecordEvent move{WM_MOUSEMOVE, 200u + std::uint32_t(i % 300), 200, 1000 + kStepMs * i, 0};
        const auto record = recorder::EncodeRecord(move);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

double PlaybackMs(platform::win32::Win32System& system, const std::string& path) {
    engine::TControlDesktop state;
    state.RecordHint = false;
    OkPrompt prompt;
    PlaybackView view(path);
    recorder::Recorder recorder(state, system.services(), prompt, view);
    view.recorder = &recorder;
    const double start = PreciseNowMs();
    recorder.PlayCommand();
    if (!PumpUntil([&] { return view.endedAt != 0; })) {
        recorder.StopHook();
        return -1;
    }
    return view.endedAt - start;
}

double TimerWaitsMs() {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    int fired = 0;
    const double start = PreciseNowMs();
    for (; fired < kTimerWaits; ++fired) {
        SetTimer(window, 1, kStepMs, nullptr);
        bool ticked = false;
        MSG message;
        while (!ticked && GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (message.message == WM_TIMER && message.hwnd == window) ticked = true;
            else DispatchMessageW(&message);
        }
        KillTimer(window, 1);
    }
    const double elapsed = PreciseNowMs() - start;
    DestroyWindow(window);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

void RunPlaybackPace() {
    platform::win32::Win32System system;
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::string path = platform::win32::Narrow(folder) + "vesk-pace.RKM";
    if (!system.services().files.WriteAll(path, PointerMoves())) {
        std::printf("\nPlayback pace: the record file could not be written\n");
        return;
    }
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = PlaybackMs(system, path);
        if (ms > 0) runs.push_back(ms);
    }
    system.services().files.Delete(path);
    const double recorded = double(kStepMs) * (kMoves - 1);
    std::printf("\nPlayback pace: %d pointer moves %u ms apart (%.0f ms when recorded), median of %d runs\n", kMoves,
                kStepMs, recorded, kRuns);
    if (runs.empty()) {
        std::printf("  no playback reached its end within %lu ms\n", kRunLimitMs);
    } else {
        const double played = Median(runs);
        std::printf("  played back in %.0f ms, ratio %.3f (target at most 1.10)\n", played, played / recorded);
    }
    const double waits = TimerWaitsMs();
    std::printf("  SetTimer, %d waits of %u ms: %.0f ms, ratio %.3f\n", kTimerWaits, kStepMs, waits,
                waits / (double(kStepMs) * kTimerWaits));
    std::fflush(stdout);
}

}  // namespace vesk::bench
