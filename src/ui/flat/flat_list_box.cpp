#include "ui/flat/flat_list_box.h"

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"
#include "ui/flat/frame.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

namespace {
constexpr int kItemPadding = 3;  // 96-DPI reference pixels added to the font's line
constexpr int kTextIndent = 3;   // 96-DPI reference pixels
}  // namespace

TFlatListBox::TFlatListBox(HWND parent, const Bounds& bounds, int id)
    : TFlatListBox(parent, bounds, id, L"TFlatListBox") {}

TFlatListBox::TFlatListBox(HWND parent, const Bounds& bounds, int id, const wchar_t* hoverKind)
    : FlatControl(parent, L"LISTBOX", L"",
                  WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                      LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                  0, bounds, id, hoverKind),
      faceBrush_(CreateSolidBrush(ColorFace)) {
    ScaleChanged();
}

void TFlatListBox::FitItemHeight() {
    SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, LineHeight(hwnd(), Font()) + Scale().Px(kItemPadding));
}

void TFlatListBox::ScaleChanged() {
    FitItemHeight();
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int TFlatListBox::Add(const std::wstring& text, LPARAM data) {
    const auto index = static_cast<int>(SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0) SendMessageW(hwnd(), LB_SETITEMDATA, index, data);
    return index;
}

void TFlatListBox::Delete(int index) {
    SendMessageW(hwnd(), LB_DELETESTRING, index, 0);
    hotItem_ = -1;
}

void TFlatListBox::Clear() {
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    hotItem_ = -1;
}

int TFlatListBox::Count() const { return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0)); }

std::wstring TFlatListBox::Item(int index) const {
    const auto length = SendMessageW(hwnd(), LB_GETTEXTLEN, index, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(hwnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

LPARAM TFlatListBox::Data(int index) const { return SendMessageW(hwnd(), LB_GETITEMDATA, index, 0); }

int TFlatListBox::ItemIndex() const { return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)); }

void TFlatListBox::SetItemIndex(int index) { SendMessageW(hwnd(), LB_SETCURSEL, index, 0); }

int TFlatListBox::ItemAt(POINT point) const {
    const auto answer = static_cast<DWORD>(SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    return HIWORD(answer) ? -1 : static_cast<int>(LOWORD(answer));
}

void TFlatListBox::InvalidateItem(int index) {
    RECT area{};
    if (index >= 0 && SendMessageW(hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&area)) != LB_ERR) {
        InvalidateRect(hwnd(), &area, FALSE);
    }
}

void TFlatListBox::SetHotItem(int index) {
    if (index == hotItem_) return;
    InvalidateItem(hotItem_);
    hotItem_ = index;
    InvalidateItem(hotItem_);
}

void TFlatListBox::HoverChanged() {
    if (!Hovered()) SetHotItem(-1);
}

LRESULT TFlatListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCALCSIZE: {
        // WS_BORDER gives one pixel; a thicker flat border takes the rest
        // from the client area.
        const LRESULT result = Default(message, wParam, lParam);
        const int extra = BorderWidth(Scale()) - 1;
        if (extra > 0) InflateRect(&reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0], -extra, -extra);
        return result;
    }
    case WM_NCPAINT:
        Default(message, wParam, lParam);
        PaintFlatFrame(hwnd(), CLR_INVALID, BorderWidth(Scale()));
        return 0;
    case WM_SETFONT: {
        const LRESULT result = FlatControl::HandleMessage(message, wParam, lParam);
        FitItemHeight();
        return result;
    }
    case WM_MOUSEMOVE:
        SetHotItem(ItemAt({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}));
        break;
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

void TFlatListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const RECT area = item.rcItem;
    if (static_cast<int>(item.itemID) < 0) {  // an empty list with the focus
        FillSolid(dc, area, ColorFace);
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &area);
        return;
    }
    const int index = static_cast<int>(item.itemID);
    const bool chosen = (item.itemState & ODS_SELECTED) != 0;
    FillSolid(dc, area, chosen ? ColorDown : index == hotItem_ ? ColorFocused : ColorFace);

    RECT text = area;
    text.left += DrawItemLead(dc, area, index) + Scale().Px(kTextIndent);
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    DrawCaption(dc, Font(), Item(index), text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                enabled ? ColorText : ColorDisabledText);
    if (item.itemState & ODS_FOCUS) {
        SetTextColor(dc, ColorText);
        SetBkColor(dc, ColorFace);
        DrawFocusRect(dc, &area);
    }
}

HBRUSH TFlatListBox::ControlColor(HDC dc) {
    SetBkColor(dc, ColorFace);
    return faceBrush_.get();
}

void TFlatListBox::Notified(UINT code) {
    if (code == LBN_SELCHANGE && OnChange) OnChange();
    if (code == LBN_DBLCLK && OnDoubleClick) OnDoubleClick();
}

}  // namespace vesk::ui::flat
