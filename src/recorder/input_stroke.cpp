#include "recorder/input_stroke.h"

namespace vesk::recorder {
namespace {

// Window messages as the journal layout carries them.
constexpr std::uint32_t kKeyDown = 0x100, kKeyUp = 0x101, kSysKeyDown = 0x104, kSysKeyUp = 0x105;
constexpr std::uint32_t kMouseMove = 0x200;
constexpr std::uint32_t kButtonDowns[] = {0x201, 0x204, 0x207, 0x20B};  // left, right, middle, X

}  // namespace

Stroke StrokeOf(const RecordEvent& event) {
    const std::uint32_t message = event.message;
    if (message == kKeyDown || message == kSysKeyDown) return {StrokeKind::Press, event.paramL & 0xFF};
    if (message == kKeyUp || message == kSysKeyUp) return {StrokeKind::Release, event.paramL & 0xFF};
    if (message == kMouseMove) return {StrokeKind::PointerMove};
    for (const std::uint32_t down : kButtonDowns) {
        if (message == down) return {StrokeKind::Press, kButtonBase + down};
        if (message == down + 1) return {StrokeKind::Release, kButtonBase + down};
    }
    return {};
}

}  // namespace vesk::recorder
