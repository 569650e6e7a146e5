#include "ui/flat/flat_combo_box.h"

#include "ui/flat/colors.h"
#include "ui/flat/dpi.h"
#include "ui/flat/drawing.h"
#include "ui/flat/frame.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

namespace {
constexpr int kItemPadding = 3;  // 96-DPI reference pixels added to the font's line
constexpr int kTextIndent = 3;   // 96-DPI reference pixels
}  // namespace

TFlatComboBox::TFlatComboBox(HWND parent, const Bounds& bounds, int id, int dropHeight)
    : FlatControl(parent, L"COMBOBOX", L"",
                  WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                      CBS_HASSTRINGS,
                  0, {bounds.x, bounds.y, bounds.width, bounds.height + dropHeight}, id,
                  L"TFlatComboBox"),
      closed_(bounds) {
    FitHeights();
}

void TFlatComboBox::FitHeights() {
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, 0, LineHeight(hwnd(), Font()) + Scale().Px(kItemPadding));
    // The closed height follows the selection field's height; aim it at the
    // requested height in two steps, as the frame the system adds varies.
    const int height = Scaled(closed_, Scale()).height;
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
    RECT closed{};
    GetWindowRect(hwnd(), &closed);
    const int error = height - (closed.bottom - closed.top);
    if (error != 0) SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6 + error);
}

void TFlatComboBox::ScaleChanged() { FitHeights(); }

int TFlatComboBox::Add(const std::wstring& text, LPARAM data) {
    const auto index = static_cast<int>(SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0) SendMessageW(hwnd(), CB_SETITEMDATA, index, data);
    return index;
}

void TFlatComboBox::Clear() { SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0); }

int TFlatComboBox::Count() const { return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0)); }

std::wstring TFlatComboBox::Item(int index) const {
    const auto length = SendMessageW(hwnd(), CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

LPARAM TFlatComboBox::Data(int index) const { return SendMessageW(hwnd(), CB_GETITEMDATA, index, 0); }

int TFlatComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)); }

void TFlatComboBox::SetItemIndex(int index) { SendMessageW(hwnd(), CB_SETCURSEL, index, 0); }

bool TFlatComboBox::Dropped() const { return SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0) != FALSE; }

LRESULT TFlatComboBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT: {
        const LRESULT result = FlatControl::HandleMessage(message, wParam, lParam);
        FitHeights();
        return result;
    }
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

// The whole box is painted here, in the system's own layout of field and
// button, so that the system's direct repaints of the field (through
// WM_DRAWITEM) land in the same place.
void TFlatComboBox::Paint() {
    PaintDc paint(hwnd());
    const HDC dc = paint.get();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(hwnd(), &info);
    RECT client{};
    GetClientRect(hwnd(), &client);

    const int border = BorderWidth(Scale());
    FillSolid(dc, client, ColorFace);
    FrameSolid(dc, client, ColorBorder, border);

    RECT button = info.rcButton;
    button.top = client.top + border;
    button.bottom = client.bottom - border;
    button.right = client.right - border;
    FillSolid(dc, button, Dropped() ? ColorDown : Hovered() ? ColorFocused : ColorFace);
    FillSolid(dc, {button.left - border, button.top, button.left, button.bottom}, ColorBorder);
    DrawGlyph(dc, button, Glyph::ArrowDown, Enabled() ? ColorText : ColorDisabledText, Scale());

    DRAWITEMSTRUCT field{};
    field.CtlType = ODT_COMBOBOX;
    field.CtlID = static_cast<UINT>(id());
    field.itemID = static_cast<UINT>(ItemIndex());
    field.itemAction = ODA_DRAWENTIRE;
    field.itemState = ODS_COMBOBOXEDIT;
    if (!Enabled()) field.itemState |= ODS_DISABLED;
    if (Focused() && !Dropped()) field.itemState |= ODS_SELECTED | ODS_FOCUS;
    field.hwndItem = hwnd();
    field.hDC = dc;
    field.rcItem = info.rcItem;
    field.rcItem.right = button.left - 2 * border;
    if (static_cast<int>(field.itemID) >= 0) field.itemData = static_cast<ULONG_PTR>(Data(ItemIndex()));
    DrawItem(field);
}

void TFlatComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const RECT area = item.rcItem;
    const bool chosen = (item.itemState & ODS_SELECTED) != 0;
    FillSolid(dc, area, chosen ? ColorDown : ColorFace);
    if (static_cast<int>(item.itemID) >= 0) {
        RECT text = area;
        text.left += Scale().Px(kTextIndent);
        const bool enabled = (item.itemState & ODS_DISABLED) == 0;
        DrawCaption(dc, Font(), Item(static_cast<int>(item.itemID)), text,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                    enabled ? ColorText : ColorDisabledText);
    }
    if ((item.itemState & ODS_FOCUS) && (item.itemState & ODS_COMBOBOXEDIT)) {
        SetTextColor(dc, ColorText);
        SetBkColor(dc, ColorFace);
        DrawFocusRect(dc, &area);
    }
}

void TFlatComboBox::Notified(UINT code) {
    if (code == CBN_SELCHANGE && OnChange) OnChange();
    if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) InvalidateRect(hwnd(), nullptr, FALSE);
}

}  // namespace vesk::ui::flat
