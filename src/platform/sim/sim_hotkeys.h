#pragma once
#include <map>
#include <optional>
#include <utility>

#include "platform/hotkeys.h"

namespace vesk::platform::sim {

// System-wide hotkey table: a combination has one owner, this program's
// window under one id or another program.
class SimHotkeys : public Hotkeys {
public:
    using Combination = std::pair<int, int>;  // modifiers, virtual key

    bool Register(WindowHandle window, int id, int modifiers, int virtualKey) override;
    void Unregister(WindowHandle window, int id) override;

    void HoldByOtherProgram(int modifiers, int virtualKey);
    std::optional<Combination> CombinationOf(WindowHandle window, int id) const;
    std::size_t RegisteredCount() const;

private:
    struct Owner {
        WindowHandle window = kNoWindow;  // kNoWindow: another program
        int id = 0;
    };
    std::map<Combination, Owner> owners_;
};

}  // namespace vesk::platform::sim
