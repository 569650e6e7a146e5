#include "dialog_controls.h"

#include "desktop_test.h"
#include "poll.h"
#include "user_input.h"

namespace vesk::e2e {

namespace {

// Client pixels from the row's left edge to the middle of a check list box's
// square.
constexpr int kCheckSquareMiddle = 7;

POINT MiddleOf(const RECT& area) { return {(area.left + area.right) / 2, (area.top + area.bottom) / 2}; }

}  // namespace

HWND ControlOf(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::wstring ControlText(HWND control) {
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void ClickControl(HWND control) {
    RECT area{};
    GetWindowRect(control, &area);
    ClickAt(MiddleOf(area));
}

bool ChooseComboItem(const VeskProcess& vesk, HWND combo, const std::wstring& text) {
    const auto item = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (item == CB_ERR) return false;
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) == item) return true;
    ClickControl(combo);
    // The dropped list is a top-level window of the combo box's process.
    const HWND dropped = vesk.WaitForWindow(
        [](HWND window) { return IsWindowVisible(window) && ClassOf(window) == L"ComboLBox"; }, kActionTimeout);
    if (dropped == nullptr) return false;
    // Scrolled first, as a user scrolls to an item below the list's end.
    SendMessageW(dropped, LB_SETTOPINDEX, static_cast<WPARAM>(item), 0);
    RECT row{};
    if (SendMessageW(dropped, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row)) == LB_ERR) {
        return false;
    }
    POINT middle = MiddleOf(row);
    ClientToScreen(dropped, &middle);
    ClickAt(middle);
    return PollUntil([&] { return SendMessageW(combo, CB_GETCURSEL, 0, 0) == item && !IsWindowVisible(dropped); },
                     kActionTimeout);
}

std::wstring RowText(HWND list, int row) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int FindRow(HWND list, const std::wstring& part) {
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (RowText(list, row).find(part) != std::wstring::npos) return row;
    }
    return -1;
}

int WaitForRow(HWND list, const std::wstring& part) {
    int found = -1;
    PollUntil([&] { return (found = FindRow(list, part)) >= 0; }, kActionTimeout);
    return found;
}

bool ClickRow(HWND list, int row, bool onSquare) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    RECT area{};
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&area)) == LB_ERR) {
        return false;
    }
    POINT at = MiddleOf(area);
    if (onSquare) at.x = area.left + kCheckSquareMiddle;
    ClientToScreen(list, &at);
    ClickAt(at);
    return true;
}

}  // namespace vesk::e2e
