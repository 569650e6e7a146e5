#include "recorder/input_stroke.h"

#include <iterator>

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
    for (std::uint32_t button = 0; button < std::size(kButtonDowns); ++button) {
        if (message == kButtonDowns[button]) return {StrokeKind::Press, kFirstButton + button};
        if (message == kButtonDowns[button] + 1) return {StrokeKind::Release, kFirstButton + button};
    }
    return {};
}

}  // namespace vesk::recorder
