#include "ui/dialogs/list_rows.h"

#include "platform/win32/utf.h"

namespace vesk::ui {

namespace {

bool Shows(const flat::TFlatListBox& list, const std::vector<std::wstring>& rows) {
    if (list.Count() != static_cast<int>(rows.size())) return false;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Item(i) != rows[static_cast<std::size_t>(i)]) return false;
    }
    return true;
}

}  // namespace

void ShowRows(flat::TFlatListBox& list, const std::vector<std::string>& rows) {
    std::vector<std::wstring> wide;
    wide.reserve(rows.size());
    for (const auto& row : rows) wide.push_back(platform::win32::Widen(row));
    if (Shows(list, wide)) return;

    const HWND box = list.hwnd();
    const LRESULT top = SendMessageW(box, LB_GETTOPINDEX, 0, 0);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    list.Clear();
    for (const auto& row : wide) list.Add(row);
    SendMessageW(box, LB_SETTOPINDEX, top, 0);
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

}  // namespace vesk::ui
