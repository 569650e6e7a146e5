#pragma once
#include <cstdint>

#include "recorder/record_file.h"

namespace vesk::recorder {

// What a recorded event does to a key or mouse button, read from the window
// message in the record (the journal layout).
enum class StrokeKind { Press, Release, PointerMove, Other };

struct Stroke {
    StrokeKind kind = StrokeKind::Other;
    // Press and Release: the virtual key (0-255), or kFirstButton plus the
    // mouse button (left, right, middle, X).
    std::uint32_t key = 0;
};

// Keys and buttons are numbered densely so that the recording hook, which
// runs for every input event of the whole system, keeps what is held in a
// bit set.
inline constexpr std::uint32_t kFirstButton = 256;
inline constexpr std::uint32_t kStrokeKeys = kFirstButton + 4;

Stroke StrokeOf(const RecordEvent& event);

}  // namespace vesk::recorder
