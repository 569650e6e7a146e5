#include "platform/win32/playback_alarm.h"

#include "platform/win32/late_calls.h"

#include <cmath>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vesk::platform::win32 {
namespace {

// The thread only waits and posts.
constexpr SIZE_T kStackBytes = 64 * 1024;

// Windows 10 1803 and later have high-resolution waitable timers; older
// systems and Wine refuse the flag, and there the raised timer resolution
// keeps an ordinary one accurate.
HANDLE CreatePreciseTimer() {
    if (HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                              TIMER_ALL_ACCESS)) {
        return timer;
    }
    return CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

}  // namespace

PlaybackAlarm::PlaybackAlarm(HWND window, UINT message) : window_(window), message_(message) {
    raisedResolution_ = late::timeBeginPeriod(1) == TIMERR_NOERROR;
    timer_.reset(CreatePreciseTimer());
    quit_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!timer_ || !quit_) return;
    thread_.reset(CreateThread(nullptr, kStackBytes, WaitForTimer, this, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
}

PlaybackAlarm::~PlaybackAlarm() {
    if (thread_) {
        SetEvent(quit_.get());
        WaitForSingleObject(thread_.get(), INFINITE);
    }
    if (raisedResolution_) late::timeEndPeriod(1);
}

void PlaybackAlarm::PostAfter(double milliseconds) {
    // Negative: relative to now, in 100-nanosecond units.
    LARGE_INTEGER due{};
    due.QuadPart = -std::llround(std::max(milliseconds, 0.0) * 10000.0);
    if (due.QuadPart == 0) due.QuadPart = -1;
    SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE);
}

DWORD WINAPI PlaybackAlarm::WaitForTimer(void* param) {
    auto& alarm = *static_cast<PlaybackAlarm*>(param);
    const HANDLE waits[] = {alarm.quit_.get(), alarm.timer_.get()};
    while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        PostMessageW(alarm.window_, alarm.message_, 0, 0);
    }
    return 0;
}

}  // namespace vesk::platform::win32
