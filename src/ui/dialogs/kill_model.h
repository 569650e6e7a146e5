#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/control_desktop.h"
#include "engine/main_commands.h"
#include "platform/processes.h"
#include "platform/window_manager.h"

namespace vesk::ui {

// One listed process, parallel to its row.
struct TProcessInfo {
    std::string ExeFile;
    std::uint32_t ParentProcessId = 0;
    std::uint32_t ProcessId = 0;
};

// Exit code handed to a terminated process: STILL_ACTIVE, as the killer
// always did, so scripts that watch for it keep working.
inline constexpr unsigned kKilledExitCode = 259;

inline constexpr const char* kSelectAllCaption = "Select &All";
inline constexpr const char* kSelectNoneCaption = "Select &None";

// The decisions of the process and window killer (TKillFrm), in one of three
// modes: processes, the current desktop's windows, or every top-level window.
// The form shows ListPro with a tick box per row (Checked, parallel) and the
// captions and states below after every handler; it writes Checked when the
// user ticks a row.
class KillModel {
public:
    KillModel(engine::TControlDesktop& state, platform::WindowManager& windows, platform::Processes& processes,
              engine::KillerMode mode);

    std::vector<std::string> ListPro;
    std::vector<bool> Checked;
    std::string ListProHint;
    std::string BtnCloseCaption = "&Kill Selected";
    bool BtnRefreshEnabled = true;
    std::string FlatButton2Caption = kSelectAllCaption;

    engine::KillerMode Mode() const { return mode_; }
    const std::vector<TProcessInfo>& Records() const { return records_; }

    void FormShow();
    void BtnRefreshClick();
    // "&Kill Selected" (terminate, or ask to close) or "Show Selected".
    void BtnCloseClick();
    // "Select &All" / "Select &None".
    void FlatButton2Click();

private:
    void List();
    void ListProcesses();
    void ListWindows(const std::vector<platform::WindowHandle>& list);
    bool ListedAsVisible(platform::WindowHandle window);
    void TerminateTicked();
    void CloseTicked();
    void ShowTicked();
    bool Ticked(std::size_t row) const { return row < Checked.size() && Checked[row]; }
    void DeleteRow(std::size_t row);

    engine::TControlDesktop& state_;
    platform::WindowManager& windows_;
    platform::Processes& processes_;
    const engine::KillerMode mode_;
    std::vector<TProcessInfo> records_;  // mode 0, parallel to the rows
    // Windows shown from this dialog and not yet seen visible: another
    // program's window follows when its thread next runs, so until then it
    // is listed as what was asked.
    std::unordered_set<platform::WindowHandle> showsUnderWay_;
};

}  // namespace vesk::ui
