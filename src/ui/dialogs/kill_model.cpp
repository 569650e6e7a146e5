#include "ui/dialogs/kill_model.h"

#include "ui/dialogs/window_move_model.h"

namespace vesk::ui {
namespace {

using engine::KillerMode;

std::string ProcessRow(const TProcessInfo& process) {
    return "[PID=" + EightHexDigits(process.ParentProcessId) + "]  [ID=" + EightHexDigits(process.ProcessId) + "]  " +
           process.ExeFile;
}

}  // namespace

KillModel::KillModel(engine::TControlDesktop& state, platform::WindowManager& windows,
                     platform::Processes& processes, KillerMode mode)
    : ListProHint(mode == KillerMode::Processes ? "Format-->ParentProcessID  ProcessID  ExeName"
                                                : "Format-->WindowHandle  ClassName   WindowTitle"),
      state_(state),
      windows_(windows),
      processes_(processes),
      mode_(mode) {}

void KillModel::FormShow() {
    if (mode_ == KillerMode::DesktopWindows) BtnRefreshEnabled = false;
    if (mode_ == KillerMode::AllWindows) BtnCloseCaption = "Show Selected";
    List();
}

void KillModel::BtnRefreshClick() {
    if (BtnRefreshEnabled) List();
}

void KillModel::BtnCloseClick() {
    switch (mode_) {
        case KillerMode::Processes: TerminateTicked(); break;
        case KillerMode::DesktopWindows: CloseTicked(); break;
        case KillerMode::AllWindows: ShowTicked(); break;
    }
}

void KillModel::FlatButton2Click() {
    const bool tick = FlatButton2Caption == kSelectAllCaption;
    Checked.assign(ListPro.size(), tick);
    FlatButton2Caption = tick ? kSelectNoneCaption : kSelectAllCaption;
}

void KillModel::List() {
    switch (mode_) {
        case KillerMode::Processes: ListProcesses(); break;
        case KillerMode::DesktopWindows: ListWindows(state_.Desktop(state_.CurrentDesktop).WindowList); break;
        case KillerMode::AllWindows: ListWindows(state_.AllWindows); break;
    }
    Checked.assign(ListPro.size(), false);
}

void KillModel::ListProcesses() {
    ListPro.clear();
    records_.clear();
    const platform::ProcessId self = processes_.CurrentProcessId();
    for (const auto& entry : processes_.Snapshot()) {
        if (entry.id == self) continue;
        records_.push_back({entry.exeName, entry.parentId, entry.id});
    }
    for (const auto& record : records_) ListPro.push_back(ProcessRow(record));
}

bool KillModel::ListedAsVisible(platform::WindowHandle window) {
    if (!windows_.IsVisible(window)) return showsUnderWay_.count(window) != 0;
    showsUnderWay_.erase(window);
    return true;
}

// Every entry gets a row, a destroyed window too, so rows and entries stay
// parallel.
void KillModel::ListWindows(const std::vector<platform::WindowHandle>& list) {
    ListPro.clear();
    for (const auto window : list) {
        const std::string title = CutWindowText(windows_.Title(window));
        std::string row = "Handle=" + EightHexDigits(window) + "  ClassName=" + CutWindowText(windows_.ClassName(window)) +
                          "   Title=" + (title.empty() ? "''" : title);
        if (mode_ == KillerMode::AllWindows && !ListedAsVisible(window)) row += "  [Hide]";
        ListPro.push_back(std::move(row));
    }
}

// A process that cannot be opened, has ended already or refuses keeps its row.
void KillModel::TerminateTicked() {
    for (std::size_t row = ListPro.size(); row-- > 0;) {
        if (Ticked(row) && processes_.Terminate(records_[row].ProcessId, kKilledExitCode)) DeleteRow(row);
    }
}

// Only a request: the window's owner may refuse, but the row and the list
// entry go either way.
void KillModel::CloseTicked() {
    auto& list = state_.Desktop(state_.CurrentDesktop).WindowList;
    for (std::size_t row = ListPro.size(); row-- > 0;) {
        if (!Ticked(row) || row >= list.size()) continue;
        windows_.PostClose(list[row]);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(row));
        DeleteRow(row);
    }
}

void KillModel::ShowTicked() {
    const auto& list = state_.AllWindows;
    for (std::size_t row = ListPro.size(); row-- > 0;) {
        if (!Ticked(row) || row >= list.size() || windows_.IsVisible(list[row])) continue;
        windows_.Show(list[row]);
        showsUnderWay_.insert(list[row]);
    }
    List();
}

void KillModel::DeleteRow(std::size_t row) {
    const auto offset = static_cast<std::ptrdiff_t>(row);
    ListPro.erase(ListPro.begin() + offset);
    Checked.erase(Checked.begin() + offset);
    if (row < records_.size()) records_.erase(records_.begin() + offset);
}

}  // namespace vesk::ui
