#pragma once
#include <cstdint>

#include "recorder/record_file.h"

namespace vesk::recorder {

// What a recorded event does to a key or mouse button, read from the window
// message in the record (the journal layout).
enum class StrokeKind { Press, Release, PointerMove, Other };

struct Stroke {
    StrokeKind kind = StrokeKind::Other;
    // Press and Release: the virtual key, or kButtonBase plus the button's
    // down message for a mouse button.
    std::uint32_t key = 0;
};

inline constexpr std::uint32_t kButtonBase = 0x10000;

Stroke StrokeOf(const RecordEvent& event);

}  // namespace vesk::recorder
