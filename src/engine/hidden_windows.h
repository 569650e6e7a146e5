#pragma once
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/registry.h"
#include "platform/window_manager.h"

namespace vesk::engine {

// The windows this program has hidden and owes back to the user, kept in the
// registry of the current user (HKCU\Software\Vesk\Recovery, value
// "HiddenWindows"), apart from the settings. It is written before windows are
// hidden, so a crash or a kill in the middle of a switch loses none of them;
// the next start shows them again.
class HiddenWindowJournal {
public:
    HiddenWindowJournal(platform::Registry& registry, platform::WindowManager& windows);

    // Call before hiding: records the windows with their process and class,
    // since a handle alone may be reused by another window later.
    void WillHide(const std::vector<platform::WindowHandle>& handles);
    // Forgets windows shown again; stored with the next change.
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
        std::string className;
    };
    const std::vector<Entry>& entries() const { return entries_; }

private:
    void Write();
    std::vector<Entry> Read();

    platform::Registry& registry_;
    platform::WindowManager& windows_;
    std::vector<Entry> entries_;
    std::unordered_set<platform::WindowHandle> known_;  // the handles of entries_
};

}  // namespace vesk::engine
