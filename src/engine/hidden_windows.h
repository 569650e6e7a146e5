#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/control_desktop.h"
#include "platform/registry.h"
#include "platform/window_manager.h"

namespace vesk::engine {

// The windows this program has hidden and owes back to the user, kept in the
// registry of the current user under HKCU\Software\Vesk\Recovery, apart from
// the settings: one binary value per desktop, "HiddenWindows1" to
// "HiddenWindows9", of 16-byte records (window handle: 8 bytes, sign-extended
// from its 32 significant bits; process id: 4; hash of the class name: 4;
// this machine's byte order, since only this program on this machine reads
// them back, its PE32 or its PE32+ build). A desktop's value is written
// before its windows are hidden, so a crash or a kill in the middle of a
// switch loses none of them; the next start shows them again. One value per
// desktop and fixed records keep a switch's cost to the bytes of what it
// hides: the journal is written on every switch.
class HiddenWindowJournal {
public:
    HiddenWindowJournal(platform::Registry& registry, platform::WindowManager& windows);

    // Call before hiding windows that belong to desktop (1..9) from now on:
    // records them with their process and class, since a handle alone may be
    // reused by another window later.
    void WillHide(int desktop, const std::vector<platform::WindowHandle>& handles);
    // A switch has shown every window of desktop: its entries are settled.
    void Entered(int desktop);
    // Windows shown one at a time (the move dialog), whichever desktop's
    // entries hold them.
    void Shown(const std::vector<platform::WindowHandle>& handles);
    // The normal exit: every window has been given back.
    void Clear();

    // At start, before anything is collected: shows each window of an earlier
    // run's journal that still exists, is hidden, and still belongs to the
    // same process and class. Returns how many were shown.
    int RestoreEarlierRun();

    struct Entry {
        platform::WindowHandle handle = 0;
        platform::ProcessId process = 0;
        std::uint32_t classHash = 0;
    };
    static constexpr std::size_t kRecordBytes = 16;
    // The whole records of a stored value; a cut-off last one is ignored.
    static std::vector<Entry> Decode(std::string_view records);
    std::vector<Entry> entries(int desktop) const { return Decode(Slot(desktop).records); }

private:
    struct DesktopEntries {
        std::string records;
        bool stored = false;  // the registry holds records for this desktop
    };
    DesktopEntries& Slot(int desktop) { return desktops_.at(static_cast<std::size_t>(desktop - 1)); }
    const DesktopEntries& Slot(int desktop) const { return desktops_.at(static_cast<std::size_t>(desktop - 1)); }
    void Write(int desktop);

    platform::Registry& registry_;
    platform::WindowManager& windows_;
    std::array<DesktopEntries, kDesktopCount> desktops_;
};

}  // namespace vesk::engine
