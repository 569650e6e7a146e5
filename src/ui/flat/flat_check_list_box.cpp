#include "ui/flat/flat_check_list_box.h"

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"

namespace vesk::ui::flat {

namespace {
constexpr int kSquare = 11;  // 96-DPI reference pixels
constexpr int kMargin = 2;   // 96-DPI reference pixels left of the square
}  // namespace

TFlatCheckListBox::TFlatCheckListBox(HWND parent, const Bounds& bounds, int id)
    : TFlatListBox(parent, bounds, id, L"TFlatCheckListBox") {}

int TFlatCheckListBox::Add(const std::wstring& text, LPARAM data) {
    const int index = TFlatListBox::Add(text, data);
    if (index >= 0) checked_.insert(checked_.begin() + index, false);
    return index;
}

void TFlatCheckListBox::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    TFlatListBox::Delete(index);
    checked_.erase(checked_.begin() + index);
}

void TFlatCheckListBox::Clear() {
    TFlatListBox::Clear();
    checked_.clear();
}

bool TFlatCheckListBox::Checked(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < checked_.size() && checked_[index];
}

void TFlatCheckListBox::SetChecked(int index, bool checked) {
    if (index < 0 || static_cast<std::size_t>(index) >= checked_.size()) return;
    checked_[index] = checked;
    InvalidateItem(index);
}

void TFlatCheckListBox::Toggle(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= checked_.size()) return;
    SetChecked(index, !checked_[index]);
    if (OnClickCheck) OnClickCheck(index);
}

bool TFlatCheckListBox::OnSquare(POINT point) const { return point.x < Scale().Px(kMargin + kSquare + 2); }

LRESULT TFlatCheckListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const LRESULT result = TFlatListBox::HandleMessage(message, wParam, lParam);
        if (OnSquare(point)) Toggle(ItemAt(point));
        return result;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            Toggle(static_cast<int>(SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0)));
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L' ') return 0;  // the toggle was the key-down's
        break;
    default:
        break;
    }
    return TFlatListBox::HandleMessage(message, wParam, lParam);
}

int TFlatCheckListBox::DrawItemLead(HDC dc, const RECT& area, int index) {
    const int side = Scale().Px(kSquare);
    const int left = area.left + Scale().Px(kMargin);
    const int top = area.top + (area.bottom - area.top - side) / 2;
    const RECT square{left, top, left + side, top + side};
    DrawCheckSquare(dc, square, Checked(index), ColorFace, IsWindowEnabled(hwnd()) ? ColorText : ColorDisabledText,
                    Scale());
    return Scale().Px(kMargin + kSquare);
}

}  // namespace vesk::ui::flat
