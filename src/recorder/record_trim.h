#pragma once
#include <bitset>
#include <cstdint>
#include <optional>

#include "recorder/input_stroke.h"
#include "recorder/record_file.h"

namespace vesk::recorder {

// Keeps this program's own commands out of a recording. When a recording
// begins, the keys of the chord that began it are still being released; when
// it is stopped, the keys of the stop chord (or the click that opened the
// tray menu) have already been recorded. Positions are byte offsets in the
// record file.
class RecordTrim {
public:
    // Notes an event about to be appended at `position`. False: leave it
    // out, it releases a key or button pressed before the recording began.
    bool Keep(const RecordEvent& event, std::uint64_t position);

    // The input from the latest press on belongs to a command of this
    // program (a click on a label, the tray menu it opened).
    void BeginCommandGesture() { gesture_ = latestPress_; }
    void EndCommandGesture() { gesture_.reset(); }

    // Where a recording `size` bytes long ends when a command stops it: before
    // the command's gesture, or else before the presses at its end of keys
    // that are still held (the stop hotkey), with the pointer moves among them.
    std::uint64_t EndForStopCommand(std::uint64_t size) const;
    // The same when the recording ends by itself (the size limit): only a
    // command's gesture is taken off.
    std::uint64_t EndForStop(std::uint64_t size) const { return gesture_.value_or(size); }

private:
    std::bitset<kStrokeKeys> held_;  // keys and buttons pressed and not released
    std::optional<std::uint64_t> trailingPresses_;
    std::uint64_t latestPress_ = 0;
    std::optional<std::uint64_t> gesture_;
};

}  // namespace vesk::recorder
