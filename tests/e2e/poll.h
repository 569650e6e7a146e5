#pragma once
#include <windows.h>

#include <chrono>

namespace vesk::e2e {

// The program under test works in its own process; its effects are polled
// for rather than slept for, since a Wine process start varies by seconds.
template <typename Done>
bool PollUntil(Done done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(50);
    }
}

}  // namespace vesk::e2e
