#include "ui/dialogs/window_move_model.h"

#include <algorithm>
#include <cstdio>

#include "engine/desktop_names.h"

namespace vesk::ui {
namespace {

// The window tools read names through a 50-character buffer.
constexpr std::size_t kLongestWindowText = 49;

bool IsRow(int row, const std::vector<std::string>& rows) {
    return row >= 0 && static_cast<std::size_t>(row) < rows.size();
}

}  // namespace

std::string EightHexDigits(std::uint64_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value & 0xFFFFFFFFu));
    return digits;
}

std::string CutWindowText(const std::string& text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kLongestWindowText) return text.substr(0, i);
    }
    return text;
}

WindowMoveModel::WindowMoveModel(engine::TControlDesktop& state, platform::WindowManager& windows,
                                 engine::HiddenWindowJournal& journal)
    : state_(state), windows_(windows), journal_(journal) {}

void WindowMoveModel::Prepare() {
    const int current = state_.CurrentDesktop;
    const auto label = [&](int n) { return engine::Labelled("Desktop " + std::to_string(n), state_.Desktop(n).Name); };
    EdtCurrent = label(current);
    ComDesktopsItems.clear();
    for (int n = 1; n <= DesktopCount(); ++n) {
        if (n != current) ComDesktopsItems.push_back(label(n));
    }
    Fill(upper_, current);
    UpperSelection = 0;
    for (int n = 1; n <= DesktopCount(); ++n) {
        changed_[static_cast<std::size_t>(n - 1)] = false;
        snapshots_[static_cast<std::size_t>(n - 1)] = ListOf(n);
    }
}

void WindowMoveModel::ComDesktopsChange(int index) {
    ComDesktops = index;
    const int desktop = ChosenDesktop();
    if (desktop == 0) return;
    Fill(lower_, desktop);
    LowerSelection = -1;
}

void WindowMoveModel::ListFromClick(int row) { UpperSelection = IsRow(row, ListFrom) ? row : -1; }

void WindowMoveModel::ListToClick(int row) { LowerSelection = IsRow(row, ListTo) ? row : -1; }

void WindowMoveModel::BtnCopyClick(TransferKind kind) {
    const int target = ChosenDesktop();
    if (target == 0 || !IsRow(UpperSelection, ListFrom)) return;
    const int current = state_.CurrentDesktop;
    auto& list = ListOf(current);
    const std::size_t position = upper_.positions[static_cast<std::size_t>(UpperSelection)];
    if (position >= list.size()) return;
    const platform::WindowHandle window = list[position];
    if (!ShowsWindow(lower_, target, window)) {
        Append(lower_, ListOf(target), window, ListFrom[static_cast<std::size_t>(UpperSelection)]);
        MarkChanged(target);
    }
    if (kind == TransferKind::Cut) {
        // Journalled first, so a crash before the next switch gives it back.
        journal_.WillHide(target, {window});
        windows_.Hide(window);
        Remove(upper_, list, UpperSelection);
        MarkChanged(current);
        UpperSelection = -1;
    }
}

void WindowMoveModel::FlatButton2Click(TransferKind kind) {
    const int source = ChosenDesktop();
    if (source == 0 || !IsRow(LowerSelection, ListTo)) return;
    const int current = state_.CurrentDesktop;
    auto& list = ListOf(source);
    const std::size_t position = lower_.positions[static_cast<std::size_t>(LowerSelection)];
    if (position >= list.size()) return;
    const platform::WindowHandle window = list[position];
    if (!ShowsWindow(upper_, current, window)) {
        Append(upper_, ListOf(current), window, ListTo[static_cast<std::size_t>(LowerSelection)]);
        windows_.Show(window);
        journal_.Shown({window});
        MarkChanged(current);
    }
    if (kind == TransferKind::Cut) {
        Remove(lower_, list, LowerSelection);
        MarkChanged(source);
        LowerSelection = -1;
    }
}

void WindowMoveModel::FlatButton5Click() {
    for (int n = 1; n <= DesktopCount(); ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (changed_[i]) ListOf(n) = snapshots_[i];
    }
    const auto& current = ListOf(state_.CurrentDesktop);
    for (const auto window : current) {
        if (!windows_.IsVisible(window)) windows_.Show(window);
    }
    journal_.Shown(current);
}

int WindowMoveModel::DesktopCount() const { return std::clamp<int>(state_.DesktopNum, 1, engine::kDesktopCount); }

// The entries skip the current desktop, so entries from its number on name
// the desktop after.
int WindowMoveModel::ChosenDesktop() const {
    if (!IsRow(ComDesktops, ComDesktopsItems)) return 0;
    const int desktop = ComDesktops + 1;
    return desktop >= state_.CurrentDesktop ? desktop + 1 : desktop;
}

void WindowMoveModel::Fill(RowMap& map, int desktop) {
    map.rows.clear();
    map.positions.clear();
    const auto& list = ListOf(desktop);
    for (std::size_t position = 0; position < list.size(); ++position) {
        if (!windows_.Exists(list[position])) continue;
        map.rows.push_back(Row(list[position]));
        map.positions.push_back(position);
    }
}

std::string WindowMoveModel::Row(platform::WindowHandle window) {
    return EightHexDigits(window) + "  " + CutWindowText(windows_.ClassName(window)) + "   " +
           CutWindowText(windows_.Title(window));
}

// Compared by handle: a title may have changed since either row was built, and
// the same window must not stand twice in one list.
bool WindowMoveModel::ShowsWindow(const RowMap& map, int desktop, platform::WindowHandle window) const {
    const auto& list = ListOf(desktop);
    return std::any_of(map.positions.begin(), map.positions.end(),
                       [&](std::size_t position) { return position < list.size() && list[position] == window; });
}

void WindowMoveModel::Append(RowMap& map, std::vector<platform::WindowHandle>& list, platform::WindowHandle window,
                             const std::string& row) {
    list.push_back(window);
    map.rows.push_back(row);
    map.positions.push_back(list.size() - 1);
}

void WindowMoveModel::Remove(RowMap& map, std::vector<platform::WindowHandle>& list, int row) {
    const auto r = static_cast<std::size_t>(row);
    const std::size_t position = map.positions[r];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
    map.rows.erase(map.rows.begin() + row);
    map.positions.erase(map.positions.begin() + row);
    for (auto& p : map.positions) {
        if (p > position) --p;
    }
}

}  // namespace vesk::ui
