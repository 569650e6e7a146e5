#include "recorder/record_trim.h"

namespace vesk::recorder {

bool RecordTrim::Keep(const RecordEvent& event, std::uint64_t position) {
    const Stroke stroke = StrokeOf(event);
    switch (stroke.kind) {
    case StrokeKind::Press:
        held_.set(stroke.key);
        if (!trailingPresses_) trailingPresses_ = position;
        latestPress_ = position;
        return true;
    case StrokeKind::Release:
        if (!held_.test(stroke.key)) return false;
        held_.reset(stroke.key);
        trailingPresses_.reset();
        return true;
    case StrokeKind::PointerMove: return true;
    case StrokeKind::Other: break;
    }
    trailingPresses_.reset();
    return true;
}

std::uint64_t RecordTrim::EndForStopCommand(std::uint64_t size) const {
    if (gesture_) return *gesture_;
    return trailingPresses_.value_or(size);
}

}  // namespace vesk::recorder
