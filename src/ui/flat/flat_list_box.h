#pragma once
#include <functional>
#include <string>

#include "ui/flat/flat_control.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

// A single-choice LISTBOX drawn flat: one-pixel border, the chosen item in
// ColorDown, the item under the mouse in ColorFocused. Arrow keys, Home,
// End, Page keys and typing a first letter choose as in any list box.
class TFlatListBox : public FlatControl {
public:
    TFlatListBox(HWND parent, const Bounds& bounds, int id = 0);

    // Appends; returns the new item's index. `data` is the caller's value.
    virtual int Add(const std::wstring& text, LPARAM data = 0);
    virtual void Delete(int index);
    virtual void Clear();
    int Count() const;
    std::wstring Item(int index) const;
    LPARAM Data(int index) const;
    // -1 when no item is chosen.
    int ItemIndex() const;
    void SetItemIndex(int index);

    // After the user chose another item.
    std::function<void()> OnChange;
    std::function<void()> OnDoubleClick;

protected:
    TFlatListBox(HWND parent, const Bounds& bounds, int id, const wchar_t* hoverKind);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    HBRUSH ControlColor(HDC dc) override;
    void Notified(UINT code) override;
    void HoverChanged() override;
    void ScaleChanged() override;

    // Drawn at the left of an item's text; returns the display pixels it took.
    virtual int DrawItemLead(HDC, const RECT&, int /*index*/) { return 0; }
    // The item at a client point, or -1.
    int ItemAt(POINT point) const;
    void InvalidateItem(int index);

private:
    void SetHotItem(int index);
    // Item height for the font and the scale.
    void FitItemHeight();

    int hotItem_ = -1;  // under the mouse
    ScopedBrush faceBrush_;
};

}  // namespace vesk::ui::flat
